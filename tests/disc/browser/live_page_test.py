"""The disc's page on lumora's core compiled to WebAssembly, opened from file:// in Debian's
chromium (headless, through chromium-driver and python3-selenium): the start screen drawn by the
module equals the kit's PNG preview of it pixel for pixel, and so do a region's highlight and
balloon when the pointer rests on it. Prints the module's size and the time to the first draw.
Usage: python3 live_page_test.py MODULE DISC_FOLDER PAGE_TEMPLATE PREVIEW_FOLDER"""
import base64
import gzip
import json
import os
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.support.ui import WebDriverWait

module_path, disc, template, preview = sys.argv[1:5]
passed = 0
failed = 0


def check(ok, what):
    global passed, failed
    print(f"{'ok' if ok else 'FAIL'}: {what}", flush=True)
    if ok:
        passed += 1
    else:
        failed += 1


def b64(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode("ascii")


def page_with_disc(out):
    """The page with the module and every file of the disc folder embedded."""
    files = []
    for root, _, names in os.walk(disc):
        for name in sorted(names):
            path = os.path.join(root, name)
            files.append([os.path.relpath(path, disc).replace(os.sep, "/"), b64(path)])
    data = {"module": b64(module_path), "ini": b64(os.path.join(disc, "Lumora.ini")),
            "files": files}
    with open(template, encoding="utf-8") as f:
        page = f.read().replace("/*LUMORA-DATA*/null", json.dumps(data))
    path = os.path.join(out, "live.html")
    with open(path, "w", encoding="utf-8") as f:
        f.write(page)
    return path


# How many pixels of the canvas differ from a PNG (given as base64), and the first of them.
DIFFERENCE = """
const [png, done] = arguments;
const image = new Image();
image.src = "data:image/png;base64," + png;
image.decode().then(() => {
  const canvas = document.getElementById("screen");
  if (canvas.width !== image.width || canvas.height !== image.height) {
    return done({count: -1, first: [canvas.width, canvas.height]});
  }
  const other = document.createElement("canvas");
  other.width = image.width;
  other.height = image.height;
  const context = other.getContext("2d");
  context.drawImage(image, 0, 0);
  const want = context.getImageData(0, 0, image.width, image.height).data;
  const have = canvas.getContext("2d").getImageData(0, 0, image.width, image.height).data;
  let count = 0, first = null;
  for (let i = 0; i < want.length; i += 4) {
    if (want[i] !== have[i] || want[i + 1] !== have[i + 1] || want[i + 2] !== have[i + 2] ||
        have[i + 3] !== 255) {
      if (!first) first = [(i / 4) % image.width, Math.floor(i / 4 / image.width)];
      count++;
    }
  }
  done({count, first});
});
"""


def difference(png):
    return driver.execute_async_script(DIFFERENCE, b64(os.path.join(preview, png)))


def shows(png, timeout=5):
    """Waits until the canvas equals the PNG; its last difference."""
    end = time.monotonic() + timeout
    while True:
        found = difference(png)
        if found["count"] == 0 or time.monotonic() > end:
            return found
        time.sleep(0.02)


def point_at(x, y):
    pointer = ActionBuilder(driver)
    pointer.pointer_action.move_to_location(x, y)
    pointer.perform()


options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800",
                 "--force-device-scale-factor=1", "--disable-background-networking",
                 "--disable-component-update", "--no-first-run"):
    options.add_argument(argument)
driver = None
scratch = tempfile.TemporaryDirectory()
out = scratch.name
try:
    size = os.path.getsize(module_path)
    with open(module_path, "rb") as f:
        packed = len(gzip.compress(f.read(), 9))
    print(f"module: {size} bytes, {packed} gzipped")
    url = "file://" + page_with_disc(out)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(10)
    driver.get(url)
    WebDriverWait(driver, 10, poll_frequency=0.02).until(
        lambda d: d.execute_script("return window.lumoraReady === true;"))
    first = driver.execute_script("return window.lumoraFirstDraw;")
    print(f"first draw: {first:.0f} ms after the page began loading")
    check(driver.execute_script("return document.getElementById('title').textContent;") == "Main",
          "the page opens from file:// on the disc's start screen, Main")
    found = shows("screen1.png")
    check(found["count"] == 0,
          f"the start screen equals the kit's screen1.png ({found['count']} pixels differ,"
          f" the first at {found['first']})")

    # [Main-Region Badge], the first region: the centre of its star is inside it.
    shape = driver.execute_script(
        "return JSON.parse(textAt(lumora.lumora_page_screen(page))).regions[0].shape;")
    xs, ys = shape[0::2], shape[1::2]
    left, top = driver.execute_script(
        "const b = document.getElementById('screen').getBoundingClientRect();"
        "return [Math.round(b.left), Math.round(b.top)];")
    pointed = time.monotonic()
    point_at(left + round(sum(xs) / len(xs)), top + round(sum(ys) / len(ys)))
    highlight = shows("screen1-region1-highlight.png", timeout=0.5)
    balloon = shows("screen1-region1.png")
    elapsed = (time.monotonic() - pointed) * 1000
    # On a slow machine the balloon may already cover the highlight at the first look.
    check(highlight["count"] == 0 or balloon["count"] == 0,
          "pointing at Badge shows its highlight as the kit composes it")
    check(balloon["count"] == 0,
          f"after BalloonDelay its balloon follows as the kit composes it ({elapsed:.0f} ms,"
          f" {balloon['count']} pixels differ)")
    point_at(left + 700, top + 10)
    found = shows("screen1.png")
    check(found["count"] == 0, "leaving the canvas shows the plain screen again")
except Exception as error:  # a browser or driver failure is a failed check, not a crash
    check(False, f"{type(error).__name__}: {error}")
finally:
    if driver:
        driver.quit()
    scratch.cleanup()

print(f"browser: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
