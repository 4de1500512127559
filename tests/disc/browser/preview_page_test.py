"""The preview page in a real browser (Debian's chromium, headless, through chromium-driver and
python3-selenium): pointing at a region shows its highlight's pixels, the balloon follows after
BalloonDelay, and a click on a DispatchScreen region changes the screen.
Usage: python3 preview_page_test.py PREVIEW_FOLDER"""
import functools
import http.server
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.support.ui import WebDriverWait

folder = sys.argv[1]
passed = 0
failed = 0


def check(ok, what):
    global passed, failed
    print(f"{'ok' if ok else 'FAIL'}: {what}", flush=True)
    if ok:
        passed += 1
    else:
        failed += 1


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def handle(self):
        try:
            super().handle()
        except ConnectionError:
            pass  # the browser dropped a picture it no longer shows


# Served over HTTP so that the page may read its own pictures' pixels into a canvas.
server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
threading.Thread(target=server.serve_forever, daemon=True).start()
base = f"http://127.0.0.1:{server.server_address[1]}"

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800",
                 "--force-device-scale-factor=1", "--disable-background-networking",
                 "--disable-component-update", "--no-first-run"):
    options.add_argument(argument)
driver = None

# The first pixel where the hovered region's highlight differs from the plain screen, both
# colours, a point inside the region's shape, and what the region leads to.
FIND_REGION = """
const done = arguments[arguments.length - 1];
const screen = disc.screens[disc.start];
const index = screen.regions.findIndex((r) => r.hover && r.function === "DispatchScreen" &&
                                              r.target >= 0);
async function pixels(src) {
  const image = new Image();
  image.src = src;
  await image.decode();
  const canvas = document.createElement("canvas");
  canvas.width = image.width;
  canvas.height = image.height;
  const context = canvas.getContext("2d");
  context.drawImage(image, 0, 0);
  return context.getImageData(0, 0, image.width, image.height).data;
}
(async () => {
  if (index < 0) return done(null);
  const r = screen.regions[index];
  const plain = await pixels(screen.plain);
  const hover = await pixels(r.hover);
  const balloon = r.balloon ? await pixels(r.balloon) : hover;
  let changed = null;
  for (let i = 0; i < plain.length && !changed; i += 4) {
    if (plain[i] !== hover[i] || plain[i + 1] !== hover[i + 1] || plain[i + 2] !== hover[i + 2]) {
      const p = i / 4;
      changed = {x: p % screen.width, y: Math.floor(p / screen.width),
                 plain: Array.from(plain.slice(i, i + 3)), hover: Array.from(hover.slice(i, i + 3)),
                 balloon: Array.from(balloon.slice(i, i + 3))};
    }
  }
  // The centre of the shape's corners: inside the convex shapes of the demo's first screen.
  const xs = r.coords.split(",").map(Number);
  let cx = 0, cy = 0;
  for (let i = 0; i < xs.length; i += 2) { cx += xs[i]; cy += xs[i + 1]; }
  done({index, name: r.name, changed, hover: r.hover, balloon: r.balloon,
        inside: [Math.round(cx / (xs.length / 2)), Math.round(cy / (xs.length / 2))],
        target: disc.screens[r.target].description, delay: disc.balloonDelay});
})();
"""

# The colour of the one pixel of a base64 PNG (the browser's own screenshot of it).
PIXEL_OF = """
const [data, done] = arguments;
const image = new Image();
image.src = "data:image/png;base64," + data;
image.decode().then(() => {
  const canvas = document.createElement("canvas");
  canvas.width = canvas.height = 1;
  const context = canvas.getContext("2d");
  context.drawImage(image, 0, 0);
  done(Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3)));
});
"""


def screen_box():
    return driver.execute_script(
        "const b = document.getElementById('screen').getBoundingClientRect();"
        "return [Math.round(b.left), Math.round(b.top)];")


def shown_pixel(x, y):
    """The colour that the browser shows now at (x, y) of the screen picture."""
    left, top = screen_box()
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
        "clip": {"x": left + x, "y": top + y, "width": 1, "height": 1, "scale": 1}})
    return driver.execute_async_script(PIXEL_OF, shot["data"])


def wait_for(script, *arguments, timeout=5):
    try:
        WebDriverWait(driver, timeout, poll_frequency=0.02).until(
            lambda d: d.execute_script(script, *arguments))
        return True
    except Exception:
        return False


SHOWS = ("const img = document.getElementById('screen');"
         "return img.complete && img.src.endsWith(arguments[0]);")

try:
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(10)
    driver.get(base + "/index.html")
    wait_for("return document.getElementById('screen').complete;")
    region = driver.execute_async_script(FIND_REGION)
    check(region is not None and region["changed"] is not None,
          "the first screen has a region with a highlight that leads to another screen")
    if region and region["changed"]:
        x, y = region["changed"]["x"], region["changed"]["y"]
        check(shown_pixel(x, y) == region["changed"]["plain"],
              f"before hovering, ({x}, {y}) shows the plain screen")

        left, top = screen_box()
        pointed = time.monotonic()
        pointer = ActionBuilder(driver)
        pointer.pointer_action.move_to_location(left + region["inside"][0],
                                                top + region["inside"][1])
        pointer.perform()
        check(wait_for(SHOWS, region["hover"]), f"hovering {region['name']} shows its highlight")
        # The balloon may have joined the highlight already on a slow machine.
        check(shown_pixel(x, y) in (region["changed"]["hover"], region["changed"]["balloon"]),
              f"hovering {region['name']} shows its highlight's pixel at ({x}, {y})")
        if region["balloon"]:
            check(wait_for(SHOWS, region["balloon"]), f"the balloon of {region['name']} shows")
            elapsed = (time.monotonic() - pointed) * 1000
            check(elapsed >= region["delay"] - 20,
                  f"the balloon shows after {region['delay']} ms ({elapsed:.0f} ms)")

        ActionChains(driver).click().perform()
        check(wait_for("return document.getElementById('title').textContent === arguments[0];",
                       region["target"]),
              f"clicking {region['name']} shows the screen '{region['target']}'")
except Exception as error:  # a browser or driver failure is a failed check, not a crash
    check(False, f"{type(error).__name__}: {error}")
finally:
    if driver:
        driver.quit()
    server.shutdown()

print(f"browser: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
