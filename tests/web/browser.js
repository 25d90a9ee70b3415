// What the browser tests and the measures share: a static server for the
// program's folder that can be stopped (for the offline test), Debian's
// Chromium driven by playwright-core, and the two screen sizes.
"use strict";

const http = require("http");
const fs = require("fs");
const path = require("path");
const { chromium } = require("playwright-core");

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".png": "image/png", ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json",
};

// Serves `folder` on 127.0.0.1 at a free port; resolves to {url, stop()}.
function serve(folder, port = 0) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const file = path.join(folder, name.endsWith("/") ? name + "index.html" : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
  });
  const sockets = new Set();
  server.on("connection", (s) => { sockets.add(s); s.on("close", () => sockets.delete(s)); });
  return new Promise((resolve) => {
    server.listen(port, "127.0.0.1", () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        port: server.address().port,
        stop: () => new Promise((done) => { sockets.forEach((s) => s.destroy()); server.close(done); }),
      });
    });
  });
}

const SIZES = {
  phone: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  desktop: { viewport: { width: 1024, height: 768 } },
};

function launch() {
  const args = ["--disable-gpu", "--disable-dev-shm-usage"];
  // Chromium's sandbox will not start as root (CI runs as root).
  if (process.getuid && process.getuid() === 0) args.push("--no-sandbox");
  return chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium", args });
}

// The program's page, once the first calculator is laid out.
async function openProgram(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector("body[data-ready='1']");
  return page;
}

module.exports = { serve, launch, openProgram, SIZES };
