// The preview page in a real browser (Debian's chromium, headless, driven by puppeteer-core):
// pointing at a region shows its highlight's pixels, the balloon follows after BalloonDelay, and
// a click on a DispatchScreen region changes the screen.
// Usage: node preview_page_test.mjs PREVIEW_FOLDER
import http from "node:http";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

const folder = path.resolve(process.argv[2]);
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? "ok" : "FAIL"}: ${what}`);
  if (!ok) failures++;
}

// Served over HTTP so that the page may read its own pictures' pixels into a canvas.
const server = http.createServer((request, response) => {
  const name = path.join(folder, path.normalize(decodeURIComponent(request.url.split("?")[0])));
  if (!name.startsWith(folder) || !fs.existsSync(name) || fs.statSync(name).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  const type = name.endsWith(".png") ? "image/png" : "text/html; charset=utf-8";
  response.writeHead(200, { "Content-Type": type }).end(fs.readFileSync(name));
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const base = `http://127.0.0.1:${server.address().port}`;

const profile = fs.mkdtempSync(path.join(os.tmpdir(), "lumora-chromium-"));
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--no-first-run"],
});

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800, deviceScaleFactor: 1 });
  await page.goto(`${base}/index.html`, { waitUntil: "load" });
  await page.waitForFunction(() => document.getElementById("screen").complete);

  // The colour of a pixel as the browser shows the screen picture now.
  async function shownPixel(x, y) {
    const box = await (await page.$("#screen")).boundingBox();
    const shot = await page.screenshot({
      encoding: "base64",
      clip: { x: box.x + x, y: box.y + y, width: 1, height: 1 },
    });
    return page.evaluate(async (data) => {
      const image = new Image();
      image.src = "data:image/png;base64," + data;
      await image.decode();
      const canvas = document.createElement("canvas");
      canvas.width = canvas.height = 1;
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      return Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3));
    }, shot);
  }

  // A pixel where the region's highlight picture differs from the plain screen, and both colours.
  const region = await page.evaluate(async () => {
    const screen = disc.screens[disc.start];
    const index = screen.regions.findIndex((r) => r.hover && r.function === "DispatchScreen" &&
                                                  r.target >= 0);
    const r = screen.regions[index];
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
    const plain = await pixels(screen.plain);
    const hover = await pixels(r.hover);
    const xs = r.coords.split(",").map(Number);
    let inside = null, changed = null;
    // A point well inside the shape: the centre of its corners.
    let cx = 0, cy = 0;
    for (let i = 0; i < xs.length; i += 2) { cx += xs[i]; cy += xs[i + 1]; }
    inside = [Math.round(cx / (xs.length / 2)), Math.round(cy / (xs.length / 2))];
    for (let i = 0; i < plain.length && !changed; i += 4) {
      if (plain[i] !== hover[i] || plain[i + 1] !== hover[i + 1] || plain[i + 2] !== hover[i + 2]) {
        const p = i / 4;
        changed = { x: p % screen.width, y: Math.floor(p / screen.width),
                    plain: Array.from(plain.slice(i, i + 3)), hover: Array.from(hover.slice(i, i + 3)) };
      }
    }
    return { index, name: r.name, inside, changed, target: disc.screens[r.target].description,
             balloon: r.balloon, delay: disc.balloonDelay };
  });
  check(region.index >= 0 && region.changed, `region ${region.name} has a highlight to show`);

  const { x, y } = region.changed;
  check(JSON.stringify(await shownPixel(x, y)) === JSON.stringify(region.changed.plain),
        `before hovering, (${x}, ${y}) shows the plain screen`);

  const box = await (await page.$("#screen")).boundingBox();
  const pointed = Date.now();
  await page.mouse.move(box.x + region.inside[0], box.y + region.inside[1]);
  await page.waitForFunction((name) => document.getElementById("screen").src.endsWith(name),
                              {}, (await page.evaluate((i) => disc.screens[disc.start].regions[i].hover, region.index)));
  await page.waitForFunction(() => document.getElementById("screen").complete);
  check(JSON.stringify(await shownPixel(x, y)) === JSON.stringify(region.changed.hover),
        `hovering ${region.name} shows its highlight's pixel at (${x}, ${y})`);

  if (region.balloon) {
    await page.waitForFunction((name) => document.getElementById("screen").src.endsWith(name),
                                { timeout: 5000 }, region.balloon);
    check(Date.now() - pointed >= region.delay, `the balloon shows after ${region.delay} ms`);
  }

  await page.mouse.click(box.x + region.inside[0], box.y + region.inside[1]);
  await page.waitForFunction((title) => document.getElementById("title").textContent === title,
                              { timeout: 5000 }, region.target);
  check(true, `clicking ${region.name} shows the screen '${region.target}'`);
} catch (error) {
  check(false, String(error));
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
console.log(`browser: ${failures === 0 ? "passed" : `${failures} failed`}`);
process.exit(failures === 0 ? 0 : 1);
