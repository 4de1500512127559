"""The page's effective values are the core's: on a disc with a DispatchAbout region, a region
whose Splash time is -5 and BalloonDelay=-1, nothing on the page says that anything does
nothing, About opens the About page, the splash shows for 15 s, and the balloon region shows no
balloon within 1.5 s; with BalloonDelay=300 the balloon shows, not before its delay.
Usage: python3 delay_page_test.py LUMORA_DISC DEMO_DISC"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from page_driver import Checks, Page, centre

tool, demo = sys.argv[1:3]
check = Checks()

INI = """[Config]
ScreenNames=Main
Startup=Main
BalloonHelp=1
UseSound=0
BalloonDelay={delay}

[Screen Main]
Description=Delays
Bitmap=%r\\art\\main.bmp
RegionNames=About|Logo

[Main-Region About]
Shape=34,170|290,170|290,216|34,216
HighlightBitmap=%r\\art\\main\\soft_h.bmp
HighlightPosition=20,155
HighlightTransparency=253
BalloonBitmap=%r\\art\\main\\soft_b.bmp
BalloonPosition=291,155
BalloonTransparency=253
LaunchFunc=DispatchAbout

[Main-Region Logo]
Shape=34,228|290,228|290,274|34,274
LaunchFunc=DispatchScreen
LaunchData=Main
Splash=%r\\art\\logo.bmp|-5
"""


def previewed(work, delay):
    """The disc with this BalloonDelay, previewed: its page and pictures' folder."""
    disc = os.path.join(work, f"disc{delay}")
    shutil.copytree(os.path.join(demo, "art"), os.path.join(disc, "art"))
    with open(os.path.join(disc, "Lumora.ini"), "w", newline="\r\n") as f:
        f.write(INI.format(delay=delay))
    out = os.path.join(work, f"preview{delay}")
    subprocess.run([tool, "preview", disc, "-o", out], check=True, stdout=subprocess.DEVNULL)
    return out


page = None
work = tempfile.TemporaryDirectory()
try:
    out = previewed(work.name, -1)
    page = Page()
    page.open(os.path.join(out, "index.html"))
    shapes = {r["name"]: r["shape"] for r in page.screen()["regions"]}
    body = page.script("return document.body.innerText;")
    check("does nothing" not in body.lower(), "nothing on the page says that anything does nothing")
    check("About: Opens the About page of the preferences" in body,
          "the region list says what About does")

    page.point_at(*centre(shapes["About"]))
    found = page.shows(os.path.join(out, "screen1-region1-highlight.png"))
    check(found["count"] == 0, f"pointing at About shows its highlight ({found['count']} differ)")
    time.sleep(1.5)
    found = page.difference(os.path.join(out, "screen1-region1-highlight.png"))
    check(found["count"] == 0, "with BalloonDelay=-1 no balloon shows within 1.5 s")

    page.click_at(*centre(shapes["About"]))
    check(page.text("action") == "Opens the About page of the preferences.",
          f"a click on About says it opens the About page ({page.text('action')!r})")
    page.click_at(*centre(shapes["Logo"]))
    check(page.text("action") == "Shows D:\\art\\logo.bmp for 15 s.\nShows the screen Main.",
          f"a splash time of -5 is the longest, 15 s ({page.text('action')!r})")
    check(page.wait(lambda: page.script("return !document.getElementById('splash').hidden;")),
          "the splash picture shows")
    page.quit()

    out = previewed(work.name, 300)
    page = Page()
    page.open(os.path.join(out, "index.html"))
    shapes = {r["name"]: r["shape"] for r in page.screen()["regions"]}
    pointed = time.monotonic()
    page.point_at(*centre(shapes["About"]))
    found = page.shows(os.path.join(out, "screen1-region1.png"), timeout=1.5)
    elapsed = (time.monotonic() - pointed) * 1000
    check(found["count"] == 0 and elapsed >= 300 - 20,
          f"with BalloonDelay=300 the balloon shows after its delay ({elapsed:.0f} ms)")
except Exception as error:  # a browser or driver failure is a failed check, not a crash
    check(False, f"{type(error).__name__}: {error}")
finally:
    if page:
        page.quit()
    work.cleanup()

sys.exit(check.close())
