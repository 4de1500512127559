"""The page `lumora-disc preview` writes for the demo disc, opened from file:// with no server,
used as lumora.exe is: pointing at a region shows its highlight with the hand cursor and, after
BalloonDelay, its balloon; a click changes the screen and Back returns; a region opens a menu at
the pointer, an item opens another at its MenuPosition, a choice runs the item; Tab, Shift+Tab,
Enter and Escape walk and run the regions; a program action is said in the panel as lumora.exe
starts it; sounds play once a click has woken the page's audio; the outline view and the region
list follow the screen.
Usage: python3 preview_page_test.py PAGE PREVIEW_FOLDER"""
import os
import sys
import time

from page_driver import Checks, Keys, Page, centre

page_path, preview = sys.argv[1:3]
check = Checks()


def png(name):
    return os.path.join(preview, name)


def region(page, name):
    return next(r for r in page.screen()["regions"] if r["name"] == name)


def menu_items(page):
    return page.script(
        "return document.getElementById('backdrop').hidden ? null :"
        " [...document.querySelectorAll('#menu button')].map((b) => b.textContent);")


def menu_corner(page):
    """The menu's top-left corner from the canvas's, in CSS pixels."""
    return page.script(
        "const m = document.getElementById('menu').getBoundingClientRect();"
        "const c = document.getElementById('screen').getBoundingClientRect();"
        "return [Math.round(m.left - c.left), Math.round(m.top - c.top)];")


def choose(page, text):
    page.script("[...document.querySelectorAll('#menu button')]"
                ".find((b) => b.textContent === arguments[0]).click();", text)


def panel(page):
    return page.text("action")


page = None
try:
    page = Page()
    page.open(page_path)
    check(page.title() == "Lumora Demo Disc", "the page opens from file:// on the start screen")
    legend = page.script("return [...document.querySelectorAll('#legend li')]"
                         ".map((li) => li.textContent);")
    check(len(legend) == 9 and legend[0] == "Badge: Shows the screen Software"
          and legend[3].startswith("ReadMe: Starts C:\\WINDOWS\\notepad.exe D:\\README.TXT"),
          f"the region list names each region and what a click does ({legend[:4]})")
    page.script("document.getElementById('show-outline').click();")
    polygons = page.script("const o = document.getElementById('outline');"
                           "return o.hidden ? -1 : o.querySelectorAll('polygon').length;")
    check(polygons == 9, f"the outline view draws the nine regions ({polygons})")
    spoken = page.script("return [...document.querySelectorAll('#outline polygon')]"
                         ".map((p) => p.getAttribute('aria-label'));")
    check(spoken[0] == "Explore the software" and spoken[3] == "Read me",
          f"each outline carries the region's spoken label as its text ({spoken[:4]})")

    # Hover: the highlight at once, with the hand; the balloon after BalloonDelay=600.
    badge = region(page, "Badge")
    pointed = time.monotonic()
    page.point_at(*centre(badge["shape"]))
    found = page.shows(png("screen1-region1-highlight.png"), timeout=0.3)
    early = (time.monotonic() - pointed) * 1000
    cursor = page.script("return document.getElementById('screen').style.cursor;")
    check((found["count"] == 0 or early >= 600) and cursor == "pointer",
          f"pointing at Badge shows its highlight and the hand ({found['count']} pixels differ)")
    found = page.shows(png("screen1-region1.png"))
    elapsed = (time.monotonic() - pointed) * 1000
    check(found["count"] == 0 and elapsed >= 600 - 20,
          f"its balloon follows after BalloonDelay ({elapsed:.0f} ms)")
    check(page.script("return window.lumoraSounds.length;") == 0,
          "no sound plays before a click or a key")

    # A click to another screen, and back.
    page.click_at(*centre(badge["shape"]))
    check(page.wait(lambda: page.title() == "Lumora Demo Disc - Software"),
          f"clicking Badge shows the screen Software ({page.title()})")
    check(panel(page) == "Plays D:\\sounds\\page.wav.\nShows the screen Software.",
          f"the panel says what the click did ({panel(page)!r})")
    check(page.wait(lambda: "sounds\\page.wav" in page.script("return window.lumoraSounds;")),
          "the click's sound plays once the click has woken the audio")
    page.click_at(*centre(region(page, "Back")["shape"]))
    check(page.wait(lambda: page.title() == "Lumora Demo Disc"),
          "Back returns to the screen shown before")
    page.point_away()
    found = page.shows(png("screen1.png"))
    check(found["count"] == 0, f"the start screen shows as before ({found['count']} differ)")

    # A program action: said in the panel, nothing started.
    page.click_at(*centre(region(page, "ReadMe")["shape"]))
    check(panel(page) == "Plays D:\\sounds\\click.wav.\n"
                         "Starts C:\\WINDOWS\\notepad.exe D:\\README.TXT and waits for it.\n"
                         "The program's path is started in its short (8.3) form.",
          f"ReadMe's panel says what lumora.exe starts ({panel(page)!r})")
    check(page.title() == "Lumora Demo Disc", "and the screen stays")

    # Menus: Version opens [Menu Disc] at the pointer; Help topics opens [Menu Topics] at
    # MenuPosition=24,240 of the screen; a choice runs its item.
    version = centre(region(page, "Version")["shape"])
    page.click_at(*version)
    items = menu_items(page)
    check(items == ["Explore the software", "Extras and support", "Help topics...",
                    "Close the disc"], f"Version opens the menu Disc ({items})")
    corner = menu_corner(page)
    check(abs(corner[0] - version[0]) <= 1 and abs(corner[1] - version[1]) <= 1,
          f"at the pointer ({corner}, the pointer at {version})")
    choose(page, "Help topics...")
    check(page.wait(lambda: (menu_items(page) or [""])[0] == "Using the demo disc"),
          f"Help topics opens the menu Topics ({menu_items(page)})")
    check(menu_corner(page) == [24, 240], f"at its MenuPosition 24,240 ({menu_corner(page)})")
    choose(page, "Pixel Garden")
    check(menu_items(page) is None and panel(page) ==
          "Starts the help program with the topic Pixel Garden.\n"
          "The command: D:\\LNCHHLP.EXE Pixel Garden",
          f"choosing Pixel Garden says the help program it starts ({panel(page)!r})")
    page.click_at(*version)
    page.keys(Keys.ESCAPE)
    check(page.wait(lambda: menu_items(page) is None) and page.title() == "Lumora Demo Disc",
          "Escape closes a menu without a choice")
    page.click_at(*version)
    choose(page, "Extras and support")
    check(page.wait(lambda: page.title() == "Lumora Demo Disc - Extras & Support"),
          "choosing Extras and support shows that screen")

    # The keyboard: Tab lights the first region, Enter runs it, Shift+Tab goes back, Escape
    # lets go.
    page.point_away()
    page.keys(Keys.TAB)
    found = page.shows(png("screen3-region1-highlight.png"), timeout=0.3)
    check(found["count"] == 0 or page.difference(png("screen3-region1.png"))["count"] == 0,
          "Tab lights up Service, the first region")
    page.keys(Keys.ESCAPE)
    found = page.shows(png("screen3.png"))
    check(found["count"] == 0, "Escape lets it go")
    page.keys(Keys.SHIFT + Keys.TAB)
    page.keys(Keys.ENTER)
    check(page.wait(lambda: panel(page) == "Closes Lumora.") and
          page.text("action-name") == "Exit",
          f"Shift+Tab and Enter run Exit, the last region ({panel(page)!r})")
    page.keys(Keys.TAB)
    page.keys(Keys.TAB)
    page.keys(Keys.TAB)
    page.keys(Keys.TAB)
    page.keys(Keys.ENTER)
    check(page.wait(lambda: page.title() == "Lumora Demo Disc"),
          "Tab to Home and Enter show the start screen")
except Exception as error:  # a browser or driver failure is a failed check, not a crash
    check(False, f"{type(error).__name__}: {error}")
finally:
    if page:
        page.quit()

sys.exit(check.close())
