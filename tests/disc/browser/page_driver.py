"""What the browser tests share: Debian's chromium, headless, through chromium-driver and
python3-selenium; the page `lumora-disc preview` writes, opened from file://; its canvas held
against the kit's PNG pictures; the pointer and keys in the canvas's own pixels. Each test counts
its checks and closes with "browser: N passed, N failed"."""
import base64
import os
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def __call__(self, ok, what):
        print(f"{'ok' if ok else 'FAIL'}: {what}", flush=True)
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        return ok

    def close(self):
        print(f"browser: {self.passed} passed, {self.failed} failed", flush=True)
        return 1 if self.failed else 0


def b64(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode("ascii")


# How many pixels of the canvas differ from a PNG (base64), each PNG pixel a block of
# `scale` x `scale` canvas pixels, and the first of them.
DIFFERENCE = """
const [png, scale, done] = arguments;
const image = new Image();
image.src = "data:image/png;base64," + png;
image.decode().then(() => {
  const canvas = document.getElementById("screen");
  if (canvas.width !== image.width * scale || canvas.height !== image.height * scale) {
    return done({count: -1, first: [canvas.width, canvas.height]});
  }
  const other = document.createElement("canvas");
  other.width = image.width;
  other.height = image.height;
  const context = other.getContext("2d");
  context.drawImage(image, 0, 0);
  const want = context.getImageData(0, 0, image.width, image.height).data;
  const have = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
  let count = 0, first = null;
  for (let y = 0; y < canvas.height; y++) {
    for (let x = 0; x < canvas.width; x++) {
      const i = ((y / scale | 0) * image.width + (x / scale | 0)) * 4;
      const j = (y * canvas.width + x) * 4;
      if (want[i] !== have[j] || want[i + 1] !== have[j + 1] || want[i + 2] !== have[j + 2] ||
          have[j + 3] !== 255) {
        if (!first) first = [x, y];
        count++;
      }
    }
  }
  done({count, first});
});
"""


class Page:
    """The page in a headless chromium at a device scale factor."""

    def __init__(self, scale=1):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--window-size=1400,1000", f"--force-device-scale-factor={scale}",
                         # A display of the window's size in device pixels: headless, it is
                         # 800 x 600 otherwise, which no screen fits at twice its size.
                         f"--screen-info={{{1400 * scale}x{1000 * scale}}}",
                         "--disable-background-networking", "--disable-component-update",
                         "--no-first-run", "--autoplay-policy=user-gesture-required"):
            options.add_argument(argument)
        self.scale = scale
        self.clicked = {}  # when each spot was last clicked
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(20)

    def quit(self):
        self.driver.quit()

    def open(self, path):
        """Opens the page from the file system and waits until it runs."""
        self.driver.get("file://" + os.path.abspath(path))
        WebDriverWait(self.driver, 30, poll_frequency=0.02).until(
            lambda d: d.execute_script("return window.lumoraReady === true;"))

    def script(self, text, *arguments):
        return self.driver.execute_script(text, *arguments)

    def text(self, element):
        return self.script(f"return document.getElementById('{element}').textContent;")

    def title(self):
        return self.text("title")

    def screen(self):
        """The shown screen as the page's module describes it."""
        return self.script("return JSON.parse(textAt(lumora.lumora_page_screen(page)));")

    def difference(self, png):
        return self.driver.execute_async_script(DIFFERENCE, b64(png), self.scale)

    def shows(self, png, timeout=5.0):
        """Waits until the canvas equals the PNG; the last difference."""
        end = time.monotonic() + timeout
        while True:
            found = self.difference(png)
            if found["count"] == 0 or time.monotonic() > end:
                return found
            time.sleep(0.02)

    def wait(self, condition, timeout=5.0):
        try:
            WebDriverWait(self.driver, timeout, poll_frequency=0.02).until(
                lambda d: condition())
            return True
        except Exception:
            return False

    def canvas_box(self):
        return self.script(
            "const b = document.getElementById('screen').getBoundingClientRect();"
            "return [b.left, b.top];")

    def point_at(self, x, y):
        """Moves the pointer to the picture pixel (x, y) of the shown screen."""
        left, top = self.canvas_box()
        pointer = ActionBuilder(self.driver, duration=0)
        pointer.pointer_action.move_to_location(int(left + x + 0.5), int(top + y + 0.5))
        pointer.perform()

    def point_away(self):
        pointer = ActionBuilder(self.driver, duration=0)
        pointer.pointer_action.move_to_location(2, 2)
        pointer.perform()

    def click_at(self, x, y):
        """A click; one soon after another at the same spot waits, or it would be a double
        click, whose second press does nothing, as in lumora.exe."""
        since = time.monotonic() - self.clicked.get((x, y), -10)
        if since < 1:
            time.sleep(1 - since)
        self.clicked[(x, y)] = time.monotonic()
        self.point_at(x, y)
        pointer = ActionBuilder(self.driver, duration=0)
        pointer.pointer_action.click()
        pointer.perform()

    def keys(self, *keys):
        self.driver.switch_to.active_element.send_keys(*keys)


def centre(shape):
    """The centre of a shape's corners (flat x, y list)."""
    xs, ys = shape[0::2], shape[1::2]
    return round(sum(xs) / len(xs)), round(sum(ys) / len(ys))


__all__ = ["Checks", "Page", "Keys", "centre", "b64"]
