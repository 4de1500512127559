"""The demo disc's page, opened from file://, draws every screen as the kit's PNG pictures show
it pixel for pixel, plain and with each region's highlight and then its balloon under the
pointer (the end-to-end tests hold lumora.exe's window to the same pictures), at 1:1 and at twice
the device's scale, each pixel a crisp 2 x 2 block. Prints the module's and the page's size, the
time to the first draw over five loads and from each hover's mouse event to its highlight on the
canvas: figures, never judged.
Usage: python3 live_page_test.py PAGE PREVIEW_FOLDER MODULE"""
import gzip
import os
import statistics
import sys
import time

from page_driver import Checks, Page, centre

page_path, preview, module_path = sys.argv[1:4]
check = Checks()
BALLOON_DELAY = 600  # the demo disc's BalloonDelay

with open(module_path, "rb") as f:
    module = f.read()
print(f"module: {len(module)} bytes, {len(gzip.compress(module, 9))} gzipped")
with open(page_path, "rb") as f:
    whole = f.read()
print(f"page: {len(whole)} bytes, {len(gzip.compress(whole, 9))} gzipped")


def png(name):
    return os.path.join(preview, name)


hovers = []  # ms from each hover's mouse event to its highlight drawn


def regions_match(page, stem):
    """Points at each region of the shown screen in turn, straight from the one before."""
    for number, region in enumerate(page.screen()["regions"], start=1):
        if not region["shape"]:
            continue
        base = f"{stem}-region{number}"
        highlight = base + "-highlight.png"
        balloon = base + ".png"
        has_highlight = os.path.exists(png(highlight))
        has_balloon = os.path.exists(png(balloon))
        pointed = time.monotonic()
        page.point_at(*centre(region["shape"]))
        timing = page.script("return window.lumoraTiming;")
        if has_highlight and timing["drawn"]:
            hovers.append(timing["drawn"] - timing["event"])
        found = page.shows(png(highlight if has_highlight else f"{stem}.png"), timeout=0.3)
        late = (time.monotonic() - pointed) * 1000 >= BALLOON_DELAY
        if found["count"] != 0 and has_balloon and late:
            # A loaded machine may look only once the balloon has joined the highlight.
            found = page.difference(png(balloon))
        check(found["count"] == 0,
              f"{stem}: {region['name']} under the pointer shows"
              f" {highlight if has_highlight else 'the plain screen'}"
              f" ({found['count']} pixels differ, the first at {found['first']})")
        if has_balloon:
            found = page.shows(png(balloon))
            check(found["count"] == 0,
                  f"{stem}: then its balloon, as {balloon} ({found['count']} pixels differ)")


def plain(page, stem, title):
    page.point_away()
    found = page.shows(png(f"{stem}.png"))
    check(page.title() == title and found["count"] == 0,
          f"the screen '{page.title()}' equals {stem}.png ({found['count']} pixels differ,"
          f" the first at {found['first']})")


def region_named(page, name):
    return next(r for r in page.screen()["regions"] if r["name"] == name)


page = None
try:
    page = Page(scale=1)
    firsts = []
    for _ in range(5):
        page.open(page_path)
        firsts.append(page.script("return window.lumoraFirstDraw;"))
    print(f"first screen drawn, ms after the page began loading, 5 loads: median"
          f" {statistics.median(firsts):.0f}, {', '.join(f'{t:.0f}' for t in firsts)}")
    plain(page, "screen1", "Lumora Demo Disc")
    regions_match(page, "screen1")

    page.click_at(*centre(region_named(page, "Software")["shape"]))
    plain(page, "screen2", "Lumora Demo Disc - Software")
    regions_match(page, "screen2")

    page.click_at(*centre(region_named(page, "Back")["shape"]))
    page.click_at(*centre(region_named(page, "Extras")["shape"]))
    plain(page, "screen3", "Lumora Demo Disc - Extras & Support")
    regions_match(page, "screen3")
    print(f"hover highlight, ms from the mouse event to the canvas drawn, {len(hovers)} hovers:"
          f" median {statistics.median(hovers):.1f}, longest {max(hovers):.1f}"
          f" (one frame is 16.7 ms)")
    page.quit()

    # At twice the device's scale the canvas has 2 x 2 device pixels for each picture pixel.
    page = Page(scale=2)
    page.open(page_path)
    size = page.script("const c = document.getElementById('screen');"
                       "return [c.width, c.height, c.getBoundingClientRect().width];")
    check(size == [1280, 960, 640],
          f"at a device scale of 2 the canvas is 1280 x 960 pixels in 640 CSS pixels ({size})")
    found = page.shows(png("screen1.png"))
    check(found["count"] == 0, f"each pixel of screen1.png is a 2 x 2 block ({found['count']}"
                               f" differ, the first at {found['first']})")
    page.point_at(*centre(region_named(page, "Badge")["shape"]))
    found = page.shows(png("screen1-region1.png"))
    check(found["count"] == 0, f"Badge's balloon too ({found['count']} pixels differ)")
except Exception as error:  # a browser or driver failure is a failed check, not a crash
    check(False, f"{type(error).__name__}: {error}")
finally:
    if page:
        page.quit()

sys.exit(check.close())
