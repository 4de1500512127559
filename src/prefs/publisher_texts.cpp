#include "prefs/publisher_texts.h"

namespace lumora {

namespace {

// The page is 252 x 143 dialog units: a margin of 10 around the lines, a label column of 50
// before the texts, a line every 14 from the top.
constexpr int kMargin = 10;
constexpr int kPageWidth = 252;
constexpr int kLabelWidth = 50;
constexpr int kLineHeight = 10;
constexpr int kLineStep = 14;

// Lines stacked from the top, in the order given; those whose key has no text are left out.
class PageLines {
  public:
    PageLines(const PublisherTexts& texts, const TextById& text) : texts_(texts), text_(text) {}

    void Add(unsigned key, unsigned labelId = 0) {
        if (const auto found = texts_.find(key); found != texts_.end()) {
            Push(key, labelId ? text_(labelId) : std::string(), found->second);
        }
    }
    void Push(unsigned key, std::string label, std::string text) {
        InfoLine line;
        line.key = key;
        line.label = std::move(label);
        line.text = std::move(text);
        const int top = kMargin + kLineStep * static_cast<int>(lines_.size());
        const int textLeft = line.label.empty() ? kMargin : kMargin + kLabelWidth;
        if (!line.label.empty()) {
            line.labelRect = {kMargin, top, textLeft, top + kLineHeight};
        }
        line.textRect = {textLeft, top, kPageWidth - kMargin, top + kLineHeight};
        lines_.push_back(std::move(line));
    }
    std::vector<InfoLine> Take() { return std::move(lines_); }

  private:
    const PublisherTexts& texts_;
    const TextById& text_;
    std::vector<InfoLine> lines_;
};

}  // namespace

PublisherTexts ReadPublisherTexts(const SectionEntries& section, const TextById& text) {
    PublisherTexts texts;
    for (const unsigned key : kPublisherKeys) {
        if (auto value = section.Find(text(key))) {
            texts[key] = std::move(*value);
        }
    }
    return texts;
}

std::vector<InfoLine> SupportPageLines(const PublisherTexts& texts, const TextById& text) {
    if (texts.empty()) {
        return {};
    }
    PageLines lines(texts, text);
    lines.Push(0, std::string(), text(IDS_SUPPORT_HEADING));
    lines.Add(IDS_KEY_PRODUCT, IDS_LABEL_PRODUCT);
    lines.Add(IDS_KEY_COMPANY, IDS_LABEL_PUBLISHER);
    lines.Add(IDS_KEY_TELEPHONE, IDS_LABEL_TELEPHONE);
    lines.Add(IDS_KEY_WEB, IDS_LABEL_WEB);
    lines.Add(IDS_KEY_HOURS);
    return lines.Take();
}

std::vector<InfoLine> AboutPageLines(const PublisherTexts& texts, const TextById& text) {
    PageLines lines(texts, text);
    lines.Add(IDS_KEY_PRODUCT);
    lines.Add(IDS_KEY_COMPANY);
    lines.Add(IDS_KEY_ADDRESS);
    lines.Add(IDS_KEY_TELEPHONE, IDS_LABEL_TELEPHONE);
    lines.Add(IDS_KEY_WEB, IDS_LABEL_WEB);
    lines.Add(IDS_KEY_COPYRIGHT);
    return lines.Take();
}

}  // namespace lumora
