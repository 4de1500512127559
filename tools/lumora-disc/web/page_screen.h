// Everything the page loads for the shown screen: its picture, its regions, their pictures and
// the canvas they are composed on at the art scale. Made when a screen opens and dropped whole
// when it goes, as lumora.exe's screen content is; it carries out what the screen session asks
// of what is loaded.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/model_context.h"
#include "imaging/dib_image.h"
#include "page_files.h"
#include "screens/hover_machine.h"
#include "screens/screen_model.h"
#include "screens/screen_session.h"

namespace lumora::disc {

// What the page reads a disc from: its files, its INI text and the macros' folders.
struct PageDisc {
    PageFiles files;
    std::optional<IniDocument> ini;
    ModelContext context;
};

// A picture file of the screen with its 2x picture: the author's when one fits, else the
// picture doubled once a canvas of 2x pictures needs it.
struct PagePicture {
    DibImage image;  // empty when the file is missing or refused
    std::optional<DibImage> twin;
    bool authorsTwin = false;

    const DibImage& Art(int artScale) const { return artScale == 2 && twin ? *twin : image; }
    // False when a picture that is there cannot be doubled.
    bool EnsureTwin();
};

struct PageRegion {
    RegionSpec described;
    // There whenever the key is, loaded or empty, as in lumora.exe: the hover machine decides
    // by the key.
    std::shared_ptr<PagePicture> highlight;
    std::shared_ptr<PagePicture> balloon;
};

class PageScreen {
  public:
    // The screen's section and picture; none without a regions list or a picture to show.
    static std::unique_ptr<PageScreen> Load(const PageDisc& disc, const std::string& name);

    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }
    const DibImage& background() const { return background_->image; }
    const DibImage& canvas() const { return canvas_; }
    DibImage& canvas() { return canvas_; }
    // The colours the canvas is shown with: the background at the art scale.
    const DibImage& colors(int artScale) const { return background_->Art(artScale); }

    int regionCount() const { return static_cast<int>(regions_.size()); }
    const PageRegion* region(int index) const;
    // The region under a picture pixel: the first in list order whose polygon covers it.
    int HitTest(int x, int y) const;

    // Carries out a session command about what is loaded and tells the session what came of it;
    // the commands that follow.
    SessionCommands Carry(const SessionCommand& command, ScreenSession& session);
    bool AnyAuthorsDoubleSize() const;
    // A region's highlight or balloon placed on the canvas or taken off it.
    void Carry(const HoverCommand& command, int artScale);

    // Empty; Load fills it.
    explicit PageScreen(const PageDisc& disc) : disc_(disc) {}

  private:
    std::shared_ptr<PagePicture> Picture(const std::optional<std::string>& path);
    void LoadTwin(PagePicture& picture, const std::string& path) const;
    void ReadRegions();
    std::vector<HoverRegionFacts> RegionFacts() const;
    int BuildCanvas(int artScale);

    const PageDisc& disc_;
    std::string name_;
    std::string description_;
    std::string backgroundPath_;
    StringList regionNames_;
    std::shared_ptr<PagePicture> background_;
    DibImage canvas_;
    std::vector<PageRegion> regions_;
    // Each file once, with the path it was first named by.
    std::map<const PageFile*, std::pair<std::string, std::shared_ptr<PagePicture>>> pictures_;
    bool lookForDoubleSizes_ = false;
};

}  // namespace lumora::disc
