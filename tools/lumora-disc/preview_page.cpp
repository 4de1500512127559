#include "config/code_page.h"
#include "diagnostics.h"
#include "preview.h"

namespace lumora::disc {

namespace {

// A JSON string that is safe inside a script element.
std::string ScriptString(const std::string& text) {
    std::string out;
    for (const char c : JsonString(text)) {
        if (c == '<') {
            out += "\\u003c";
        } else {
            out += c;
        }
    }
    return out;
}

// Texts from Lumora.ini, in its code page, for the page, which is UTF-8.
std::string PageString(const std::string& text, int codePage) {
    return ScriptString(CodePageToUtf8(text, codePage));
}

std::string Strings(const std::vector<std::string>& texts, int codePage) {
    std::string out = "[";
    for (size_t i = 0; i < texts.size(); ++i) {
        out += (i ? ", " : "") + PageString(texts[i], codePage);
    }
    return out + "]";
}

std::string Coordinates(const std::vector<Point>& shape) {
    std::string out;
    for (const Point& p : shape) {
        out += (out.empty() ? "" : ",") + std::to_string(p.x) + "," + std::to_string(p.y);
    }
    return ScriptString(out);
}

std::string DiscJson(const PreviewDisc& disc) {
    const int page = disc.codePage;
    std::string out = "{\"start\": " + std::to_string(disc.start) +
                      ", \"balloonDelay\": " + std::to_string(disc.balloonDelay) +
                      ", \"notes\": " + Strings(disc.notes, page) + ", \"screens\": [\n";
    for (size_t s = 0; s < disc.screens.size(); ++s) {
        const PreviewScreen& screen = disc.screens[s];
        out += std::string(s ? ",\n" : "") + " {\"name\": " + PageString(screen.name, page) +
               ", \"description\": " + PageString(screen.description, page) +
               ", \"width\": " + std::to_string(screen.width) +
               ", \"height\": " + std::to_string(screen.height) +
               ", \"plain\": " + ScriptString(screen.plain) +
               ", \"outlined\": " + ScriptString(screen.outlined) + ", \"regions\": [\n";
        for (size_t r = 0; r < screen.regions.size(); ++r) {
            const PreviewRegion& region = screen.regions[r];
            out += std::string(r ? ",\n" : "") + "  {\"name\": " + PageString(region.name, page) +
                   ", \"coords\": " + Coordinates(region.shape) +
                   ", \"hover\": " + ScriptString(region.hover) +
                   ", \"balloon\": " + ScriptString(region.balloon) +
                   ", \"function\": " + PageString(region.function, page) +
                   ", \"target\": " + std::to_string(region.screenTarget) +
                   ", \"panel\": " + Strings(region.panel, page) + "}";
        }
        out += "]}";
    }
    return out + "\n]}";
}

const char kHead[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Lumora disc preview</title>
<style>
body { font: 14px sans-serif; margin: 16px; background: #222; color: #eee; }
#layout { display: flex; gap: 16px; align-items: flex-start; }
#screen { display: block; }
area { cursor: pointer; }
#panel { min-width: 280px; max-width: 420px; background: #333; padding: 8px 12px; }
#panel pre { white-space: pre-wrap; font: 13px monospace; }
#outline { margin-top: 16px; }
a { color: #9cf; }
</style>
</head>
<body>
<h1 id="title"></h1>
<div id="layout">
<div><img id="screen" usemap="#regions" alt=""><map name="regions" id="regions"></map>
<p><label><input type="checkbox" id="show-outline"> Show the regions' outlines</label></p></div>
<div id="panel"><h2>What a click does</h2><pre id="action">Point at a region and click it.</pre>
<h2>Regions</h2><ol id="legend"></ol>
<ul id="notes"></ul>
<p>Balloons show as with "Use Balloons" on, after BalloonDelay. D:\ stands for the disc.</p></div>
</div>
<script>
)";

const char kScript[] = R"(
let current = -1, previous = -1, hovered = -1, timer = 0;
const img = document.getElementById("screen");
const map = document.getElementById("regions");
const outline = document.getElementById("show-outline");
function restingPicture() {
  const screen = disc.screens[current];
  return outline.checked ? screen.outlined : screen.plain;
}
function leave() {
  clearTimeout(timer);
  timer = 0;
  hovered = -1;
  img.src = restingPicture();
}
function enter(index) {
  if (hovered === index) return;
  leave();
  hovered = index;
  const region = disc.screens[current].regions[index];
  if (region.hover) img.src = region.hover;
  if (region.balloon) {
    timer = setTimeout(() => { timer = 0; if (hovered === index) img.src = region.balloon; },
                       disc.balloonDelay);
  }
}
function click(index) {
  const region = disc.screens[current].regions[index];
  document.getElementById("action").textContent =
      region.name + "\n" + region.panel.join("\n");
  if (region.function === "DispatchScreen" && region.target >= 0) {
    show(region.target);
  } else if (region.function === "DispatchPreviousScreen" && previous >= 0) {
    show(previous);
  } else if (region.balloon) {
    img.src = region.hover || restingPicture();  // a click removes the balloon
  }
}
function show(index) {
  previous = current;
  current = index;
  const screen = disc.screens[index];
  document.getElementById("title").textContent = screen.description || screen.name;
  document.title = screen.description || screen.name;
  img.width = screen.width;
  img.height = screen.height;
  map.replaceChildren();
  const legend = document.getElementById("legend");
  legend.replaceChildren();
  screen.regions.forEach((region, i) => {
    const item = document.createElement("li");
    item.textContent = region.name;
    legend.appendChild(item);
    if (!region.coords) return;
    const area = document.createElement("area");
    area.shape = "poly";
    area.coords = region.coords;
    area.href = "#";
    area.alt = region.name;
    area.dataset.region = i;
    area.addEventListener("mouseenter", () => enter(i));
    area.addEventListener("mousemove", () => enter(i));
    area.addEventListener("mouseleave", leave);
    area.addEventListener("click", (event) => { event.preventDefault(); click(i); });
    map.appendChild(area);
  });
  leave();
}
outline.addEventListener("change", () => { if (hovered < 0) img.src = restingPicture(); });
for (const note of disc.notes) {
  const item = document.createElement("li");
  item.textContent = note;
  document.getElementById("notes").appendChild(item);
}
show(disc.start);
previous = -1;
</script>
</body>
</html>
)";

}  // namespace

std::string PreviewPage(const PreviewDisc& disc) {
    return std::string(kHead) + "const disc = " + DiscJson(disc) + ";\n" + kScript;
}

}  // namespace lumora::disc
