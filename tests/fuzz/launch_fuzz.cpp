// Turning a configured command into the line that is started, and what a failed start does:
// - the drive letter changes one character, the one a colon follows, and only for A to Z;
// - a line splits into its program part and its arguments without losing anything but the
//   quotes and the blanks between them;
// - the short form changes only the program part when the system knows no short form of the
//   whole line and keeps the arguments; a quoted program ends at the quote that closes the first
//   and loses its quotes only when what is left reads as one word, so the program and the
//   arguments that CreateProcess reads stay the same;
// - the launch line is the drive substitution, then the short form unless the entry keeps the
//   long path, and an entry that names nothing answers every question with nothing;
// - the registry text keeps the first (length - count) characters, and appending appends;
// - a start failure is decided by the low 16 bits of the error alone, offers a setup only when
//   there is one, retries elevated only once, and returns 0 or -1.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "actions/launch_command.h"
#include "actions/registry_text.h"
#include "actions/start_failure.h"
#include "fuzz/fuzz_check.h"

namespace {

using lumora::LaunchEntry;

// A made-up short form: known for a path without blanks or quotes (as if the file existed),
// unknown otherwise (a missing file, or a line with arguments).
std::optional<std::string> Shorten(const std::string& path) {
    if (path.empty() || path.find_first_of(" \"") != std::string::npos) {
        return std::nullopt;
    }
    return "~" + path;
}

std::optional<std::string> NeverShort(const std::string&) {
    return std::nullopt;
}

void CheckDrive(const std::string& line, int drive) {
    std::string changed = line;
    lumora::SubstituteDiscDrive(changed, drive);
    FUZZ_CHECK(changed.size() == line.size());
    size_t differences = 0, at = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (changed[i] != line[i]) {
            ++differences;
            at = i;
        }
    }
    FUZZ_CHECK(differences <= 1);
    if (differences == 1) {
        FUZZ_CHECK(drive >= 'A' && drive <= 'Z' && changed[at] == drive);
        FUZZ_CHECK(at + 1 < line.size() && line[at + 1] == ':');
        FUZZ_CHECK(at == 0 || (at == 1 && line[0] == '"'));
    }
    if (drive >= 'A' && drive <= 'Z') {
        std::string again = changed;
        lumora::SubstituteDiscDrive(again, drive);
        FUZZ_CHECK(again == changed);
        const bool quoted = line.size() > 2 && line[0] == '"' && line[2] == ':';
        const bool plain = line.size() > 1 && line[1] == ':';
        if (quoted || plain) {
            FUZZ_CHECK(changed[quoted ? 1 : 0] == drive);
        }
    }
}

void CheckParts(const std::string& line) {
    const std::string program = lumora::CommandProgramPart(line);
    const std::string arguments = lumora::CommandArguments(line);
    FUZZ_CHECK(arguments.empty() || arguments[0] != ' ');
    const bool quoted = !line.empty() && line[0] == '"';
    if (!quoted) {
        FUZZ_CHECK(program.find(' ') == std::string::npos);
    }
    // The line is the program (in its quotes), blanks, then the arguments.
    std::string head = quoted ? "\"" + program : program;
    if (quoted && line.find('"', 1) != std::string::npos) {
        head += '"';
    }
    FUZZ_CHECK(line.compare(0, head.size(), head) == 0);
    FUZZ_CHECK(line.size() >= head.size() + arguments.size());
    const std::string between =
        line.substr(head.size(), line.size() - head.size() - arguments.size());
    FUZZ_CHECK(between.find_first_not_of(' ') == std::string::npos);
    FUZZ_CHECK(line.compare(line.size() - arguments.size(), arguments.size(), arguments) == 0);
}

// The line CreateProcess reads as `program` with `arguments`: the program quoted when it is
// empty or has a blank.
void CheckReadsAs(const std::string& line, const std::string& program,
                  const std::string& arguments) {
    FUZZ_CHECK(lumora::CommandProgramPart(line) == program);
    FUZZ_CHECK(lumora::CommandArguments(line) == arguments);
    const bool bare = !program.empty() && program.find_first_of(" \t") == std::string::npos;
    const std::string head = bare ? program : "\"" + program + "\"";
    FUZZ_CHECK(line == (arguments.empty() ? head : head + " " + arguments));
}

void CheckShortPath(const std::string& line) {
    if (!line.empty() && line[0] == '"') {
        // A quoted program is only ever shortened: the arguments stay what they were.
        const std::string program = lumora::CommandProgramPart(line);
        const std::string arguments = lumora::CommandArguments(line);
        CheckReadsAs(lumora::ToShortPath(line, NeverShort), program, arguments);
        CheckReadsAs(lumora::ToShortPath(line, Shorten), Shorten(program).value_or(program),
                     arguments);
        return;
    }
    FUZZ_CHECK(lumora::ToShortPath(line, NeverShort) == line);
    const std::string shortened = lumora::ToShortPath(line, Shorten);
    const size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0) {
        FUZZ_CHECK(shortened == line);
        return;
    }
    const std::string program = line.substr(0, blank);
    const std::string rest = line.substr(blank);
    const std::string rebuilt = Shorten(program).value_or(program) + rest;
    // The whole rebuilt line is shortened once more when it can be.
    FUZZ_CHECK(shortened == Shorten(rebuilt).value_or(rebuilt));
    if (rest.find(' ') != std::string::npos) {
        FUZZ_CHECK(shortened.size() >= rest.size() &&
                   shortened.compare(shortened.size() - rest.size(), rest.size(), rest) == 0);
    }
}

void CheckLaunchLine(FuzzedDataProvider& provider, const std::string& command) {
    LaunchEntry entry;
    entry.action.launchOnReq = provider.ConsumeBool();
    entry.action.launchLong = provider.ConsumeBool();
    entry.action.exitDuringSetup = provider.ConsumeBool();
    entry.discDrive = provider.ConsumeIntegralInRange(-1, 'Z' + 1);
    if (provider.ConsumeBool()) {
        entry.action.setupFunc = "Setup";
    }
    if (provider.ConsumeBool()) {
        entry.action.setupData =
            provider.ConsumeBool() ? command : provider.ConsumeRandomLengthString(8);
    }
    const bool isSetup = entry.action.setupData && *entry.action.setupData == command;
    FUZZ_CHECK(lumora::UsesDiscDrive(&entry, command) == (entry.action.launchOnReq || isSetup));
    FUZZ_CHECK(lumora::KeepsLongPath(&entry, command) == (entry.action.launchLong && !isSetup));
    FUZZ_CHECK(lumora::HasSetup(&entry) == entry.action.setupFunc.has_value());
    FUZZ_CHECK(lumora::ExitsDuringSetup(&entry) == entry.action.exitDuringSetup);
    FUZZ_CHECK(lumora::GetDiscDrive(&entry) == entry.discDrive);

    std::string expected = command;
    if (entry.action.launchOnReq || isSetup) {
        lumora::SubstituteDiscDrive(expected, entry.discDrive);
    }
    if (!(entry.action.launchLong && !isSetup)) {
        expected = lumora::ToShortPath(expected, Shorten);
    }
    FUZZ_CHECK(lumora::PrepareLaunchLine(&entry, command, Shorten) == expected);

    // An id that names nothing: no drive, no setup, the short form.
    FUZZ_CHECK(!lumora::HasSetup(nullptr) && !lumora::ExitsDuringSetup(nullptr));
    FUZZ_CHECK(!lumora::GetLaunchDir(nullptr) && lumora::GetDiscDrive(nullptr) == 0);
    FUZZ_CHECK(!lumora::UsesDiscDrive(nullptr, command) &&
               !lumora::KeepsLongPath(nullptr, command));
    FUZZ_CHECK(lumora::PrepareLaunchLine(nullptr, command, Shorten) ==
               lumora::ToShortPath(command, Shorten));
}

void CheckRegistryText(FuzzedDataProvider& provider, const std::string& text) {
    const int count = provider.ConsumeBool() ? provider.ConsumeIntegral<int>()
                                             : provider.ConsumeIntegralInRange(-2, 20);
    std::string cut = text;
    lumora::RegistrySubtract(cut, count);
    const int64_t keep = int64_t(text.size()) - count;
    if (keep <= 0) {
        FUZZ_CHECK(cut.empty());
    } else {
        FUZZ_CHECK(cut == text.substr(0, size_t(std::min<int64_t>(keep, int64_t(text.size())))));
    }
    const std::string tail = provider.ConsumeRandomLengthString(8);
    std::string appended = cut;
    lumora::RegistryAppend(appended, tail);
    FUZZ_CHECK(appended == cut + tail);
}

void CheckStartFailure(FuzzedDataProvider& provider) {
    using lumora::StartFailureAction;
    const unsigned long error =
        provider.ConsumeBool()
            ? provider.ConsumeIntegral<uint32_t>()
            : unsigned(provider.PickValueInArray({0, 2, 3, 16, 161, 267, 740, 1152, 1223, 5}));
    const bool hasSetup = provider.ConsumeBool();
    const bool elevated = provider.ConsumeBool();
    const lumora::StartFailureDecision decision =
        lumora::DecideStartFailure(error, hasSetup, elevated);
    const lumora::StartFailureDecision high = lumora::DecideStartFailure(
        error ^ (uint32_t{provider.ConsumeIntegral<uint16_t>()} << 16), hasSetup, elevated);
    FUZZ_CHECK(decision.action == high.action && decision.result == high.result);
    FUZZ_CHECK(decision.result == 0 || decision.result == -1);
    FUZZ_CHECK(decision.action != StartFailureAction::kOfferSetup || hasSetup);
    FUZZ_CHECK(decision.action != StartFailureAction::kStartElevated || !elevated);
    FUZZ_CHECK(decision.action != StartFailureAction::kSilent || elevated);
    if (decision.action == StartFailureAction::kOfferSetup) {
        FUZZ_CHECK(decision.result == -1);
        // Without a setup the same error is reported instead.
        FUZZ_CHECK(lumora::DecideStartFailure(error, false, elevated).action ==
                   StartFailureAction::kReportFailure);
    }
    const unsigned number = unsigned(error & 0xFFFF);
    if (number == lumora::kErrorElevationRequired) {
        FUZZ_CHECK((decision.action == StartFailureAction::kStartElevated) == !elevated);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    const int drive = provider.ConsumeBool() ? provider.ConsumeIntegralInRange('A' - 1, 'Z' + 1)
                                             : provider.ConsumeIntegral<int>();
    const std::string line = provider.ConsumeRandomLengthString(300);
    CheckDrive(line, drive);
    CheckParts(line);
    CheckShortPath(line);
    CheckLaunchLine(provider, line);
    CheckRegistryText(provider, line);
    CheckStartFailure(provider);
    return 0;
}
