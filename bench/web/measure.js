// Measures of the browser program (not tests: the numbers depend on the
// machine). Run after building the web preset, with tests/web's npm packages:
//
//   node bench/web/measure.js build/web/site [runs]
//
// 1. What goes over the wire: every file of the site gzipped (level 9).
// 2. At phone size in headless Chromium on a local server, the time from
//    navigation until the first page is ready for input, on a first visit
//    (nothing cached) and on a later one (the service worker's cache).
// 3. The time one Calc takes, from the click to every result written (the
//    triangle's worked example), over many clicks.
"use strict";

const fs = require("fs");
const path = require("path");
const zlib = require("zlib");
const { serve, launch, SIZES } = require("../../tests/web/browser");

const site = path.resolve(process.argv[2] || "build/web/site");
const runs = Number(process.argv[3] || 15);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function readyTime(browser, url, warm) {
  const context = await browser.newContext(SIZES.phone);
  const page = await context.newPage();
  if (warm) {
    await page.goto(url);
    await page.waitForSelector("body[data-ready='1']");
    await page.evaluate(() => navigator.serviceWorker.ready);
  }
  await page.goto(url);
  await page.waitForSelector("body[data-ready='1']");
  const ms = Number(await page.evaluate(() => document.body.dataset.readyAt));
  if (process.env.SHOW_PHASES && !warm) {
    console.log(await page.evaluate(() => performance.getEntriesByType("resource")
      .map((r) => `${r.name.split("/").pop()} ${Math.round(r.startTime)}-${Math.round(r.responseEnd)}`).join(", ")));
  }
  await context.close();
  return ms;
}

(async () => {
  let total = 0;
  for (const file of fs.readdirSync(site).sort()) {
    const bytes = zlib.gzipSync(fs.readFileSync(path.join(site, file)), { level: 9 }).length;
    total += bytes;
    console.log(`${file.padEnd(24)} ${String(bytes).padStart(7)} bytes gzipped`);
  }
  console.log(`${"whole program".padEnd(24)} ${String(total).padStart(7)} bytes gzipped (${(total / 1024).toFixed(1)} KiB)`);

  const server = await serve(site);
  const browser = await launch();
  const cold = [], warm = [];
  for (let i = 0; i < runs; i++) {
    cold.push(await readyTime(browser, server.url, false));
    warm.push(await readyTime(browser, server.url, true));
  }
  console.log(`first page ready, phone, first visit: median ${median(cold)} ms (${runs} runs, ${Math.min(...cold)}-${Math.max(...cold)})`);
  console.log(`first page ready, phone, later visit: median ${median(warm)} ms (${runs} runs, ${Math.min(...warm)}-${Math.max(...warm)})`);

  const context = await browser.newContext(SIZES.phone);
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector("body[data-ready='1']");
  const times = await page.evaluate(() => {
    const field = (name) => document.querySelector(`.window.main [aria-label="${name}"]`);
    const calc = field("Calc");
    const took = [];
    const first = performance.now();
    for (let i = 0; i < 500; i++) {
      field("Side A").value = "3"; field("Side B").value = "4"; field("Side C").value = "5";
      field("Angle AB").value = ""; field("Angle BC").value = ""; field("Angle AC").value = "";
      const start = performance.now();
      calc.click();
      took.push(performance.now() - start);
      if (field("Area").value === "") throw new Error("no answer");
    }
    took.total = performance.now() - first;
    return { took, total: performance.now() - first };
  });
  console.log(`Calc, click to results written: ${(times.total / times.took.length * 1000).toFixed(0)} us ` +
              `on average over ${times.took.length} clicks, slowest ${(Math.max(...times.took) * 1000).toFixed(0)} us ` +
              `(the browser's clock counts in steps of 0.1 ms)`);
  await browser.close();
  await server.stop();
})();
