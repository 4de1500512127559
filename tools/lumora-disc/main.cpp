// lumora-disc: the disc authors' kit. `check` reports the mistakes of a disc folder, `preview`
// draws its screens and writes a page that shows them in a browser, `iso` builds its image and
// `run` shows it in lumora.exe.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "config/code_page.h"
#include "config/value_parse.h"
#include "disc_check.h"
#include "disc_run.h"
#include "iso_image.h"
#include "launcher_program.h"
#include "page_data.h"
#include "preview.h"

namespace {

using namespace lumora::disc;

const char kUsage[] =
    "usage: lumora-disc check DISC_FOLDER [--json] [--codepage N]\n"
    "       lumora-disc preview DISC_FOLDER -o OUT_FOLDER [--codepage N]\n"
    "       lumora-disc iso DISC_FOLDER -o IMAGE.iso [--label LABEL] [--exe LUMORA_EXE] "
    "[--codepage N]\n"
    "       lumora-disc run DISC_FOLDER [--screenshot FILE.png] [--exe LUMORA_EXE]\n"
    "N: the ANSI code page of the Windows that reads the disc, 1250 to 1258 (default 1252)\n";

struct Arguments {
    std::string command;
    std::string folder;
    std::optional<std::string> output;
    std::optional<std::string> label;
    std::optional<std::string> exe;
    std::optional<std::string> screenshot;
    bool json = false;
    int codePage = lumora::kDefaultCodePage;
};

std::optional<Arguments> Parse(int argc, char** argv) {
    if (argc < 3) {
        return std::nullopt;
    }
    Arguments arguments;
    arguments.command = argv[1];
    arguments.folder = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--json") {
            arguments.json = true;
        } else if (option == "-o" && i + 1 < argc) {
            arguments.output = argv[++i];
        } else if (option == "--label" && i + 1 < argc) {
            arguments.label = argv[++i];
        } else if (option == "--exe" && i + 1 < argc) {
            arguments.exe = argv[++i];
        } else if (option == "--screenshot" && i + 1 < argc) {
            arguments.screenshot = argv[++i];
        } else if (option == "--codepage" && i + 1 < argc) {
            arguments.codePage = lumora::ParseDecimal(argv[++i]);
            if (!lumora::IsKnownCodePage(arguments.codePage)) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    return arguments;
}

int Check(const Arguments& arguments) {
    CheckOptions options;
    options.codePage = arguments.codePage;
    const CheckReport report = CheckDisc(arguments.folder, options);
    std::cout << (arguments.json
                      ? FormatJson(report.diagnostics, report.iniName, arguments.codePage)
                      : FormatText(report.diagnostics, report.iniName));
    return report.diagnostics.errors() > 0 ? 1 : 0;
}

int Preview(const Arguments& arguments) {
    // The page runs the disc on the core compiled to WebAssembly, found beside the kit.
    const std::vector<std::filesystem::path> modules = PageModules(KitFolder());
    std::optional<std::string> module;
    for (const std::filesystem::path& candidate : modules) {
        if (!module) {
            module = ReadBytes(candidate);
        }
    }
    if (!module) {
        std::cerr << "lumora-disc: no page module: looked for " << modules.front().string()
                  << " and " << modules.back().lexically_normal().string()
                  << "; build it with make wasm\n";
        return 1;
    }
    std::vector<std::string> notes;
    const auto problem =
        WritePreview(arguments.folder, *arguments.output, arguments.codePage, *module, &notes);
    for (const std::string& note : notes) {
        std::cerr << "lumora-disc: preview: " << note << "\n";
    }
    if (problem) {
        std::cerr << "lumora-disc: " << *problem << "\n";
        return 1;
    }
    std::cout << "wrote " << (std::filesystem::path(*arguments.output) / "index.html").string()
              << "\n";
    return 0;
}

int Iso(const Arguments& arguments) {
    CheckOptions options;
    options.label = arguments.label;
    options.codePage = arguments.codePage;
    options.image = *arguments.output;
    const CheckReport report = CheckDisc(arguments.folder, options);
    if (report.diagnostics.errors() > 0) {
        std::cerr << FormatText(report.diagnostics, report.iniName)
                  << "lumora-disc: the disc has errors; no image was built\n";
        return 1;
    }
    if (!report.label) {
        std::cerr << "lumora-disc: no label: give one with --label (no LaunchReq names one)\n";
        return 1;
    }
    if (const auto problem = VolumeLabelProblem(*report.label)) {
        std::cerr << "lumora-disc: label '" << *report.label << "': " << *problem << "\n";
        return 1;
    }
    const ProgramChoice program =
        ImageProgram(arguments.folder, arguments.exe, BuiltPrograms(KitFolder(), "win"));
    if (!program.problem.empty()) {
        std::cerr << "lumora-disc: " << program.problem << "; no image was built\n";
        return 1;
    }
    if (report.diagnostics.warnings() > 0) {
        std::cerr << FormatText(report.diagnostics, report.iniName);
    }
    if (const auto problem =
            BuildIso({arguments.folder, *arguments.output, *report.label, program.add})) {
        std::cerr << "lumora-disc: " << *problem << "\n";
        return 1;
    }
    std::cout << "wrote " << *arguments.output << " labelled " << *report.label << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto arguments = Parse(argc, argv);
    const std::string command = arguments ? arguments->command : "";
    const bool known =
        command == "check" || command == "preview" || command == "iso" || command == "run";
    const bool needsOutput = command == "preview" || command == "iso";
    if (!known || (needsOutput && !arguments->output)) {
        std::cerr << kUsage;
        return 2;
    }
    if (command == "check") {
        return Check(*arguments);
    }
    if (command == "run") {
        return RunDisc({arguments->folder, arguments->exe, arguments->screenshot});
    }
    return command == "preview" ? Preview(*arguments) : Iso(*arguments);
}
