// The browser program in Debian's Chromium, as a user at the bench drives it:
// at a phone's size by touch and at a desktop's size by mouse and keys.
//
//   node tests/web/e2e.js SITE_FOLDER WORKED_EXAMPLES [SCREENSHOT_FOLDER] [-k name]
//
// Every calculator's first worked example (the page tests' golden rows) runs
// at both sizes, reached through the Calculate menu; then a message box, F1
// and Esc, Enter, the settings kept over a reload, and the program working
// with the server stopped. With SCREENSHOT_FOLDER, every page is pictured at
// both sizes.
"use strict";

const assert = require("assert");
const fs = require("fs");
const path = require("path");
const { serve, launch, openProgram, SIZES } = require("./browser");

const args = process.argv.slice(2);
const only = args.includes("-k") ? args[args.indexOf("-k") + 1] : null;
const [site, examplesFile, shots] = args.filter((a, i) => a !== "-k" && args[i - 1] !== "-k");

// --- The worked examples: Page | Units | Steps | Shows (or title | text) ----

function splitList(text) {
  return text.split(";").map((s) => s.trim()).filter((s) => s.length);
}

function readExamples(file) {
  return fs.readFileSync(file, "utf8").split("\n")
    .filter((line) => line.trim() && !line.trim().startsWith("#"))
    .map((line) => line.split("|").map((c) => c.trim()))
    .map((c) => ({ page: c[0], units: c[1], steps: splitList(c[2]),
                   shows: c.length === 4 ? splitList(c[3]) : null,
                   message: c.length === 5 ? { title: c[3], text: c[4] } : null }));
}

const UNITS = { Fractions: 0, Decimal: 1 };

// The settings as a first visit with this page and units would leave them.
async function startOn(context, url, calcW, units) {
  const page = await openProgram(context, url);
  await page.evaluate(([w, u]) => {
    localStorage.setItem("VaZizi.ini", `CalcW = ${w}\r\nCalcU = ${u}\r\n`);
  }, [calcW, units]);
  return page;
}

function control(page, name) {
  return page.locator(`.window.main .client [aria-label="${name}"]`);
}

async function press(page, locator, touch) {
  if (touch) await locator.tap();
  else await locator.click();
}

// Chooses the calculator from the Calculate menu, opening its group's submenu
// when it is in one.
async function choose(page, menuText, touch) {
  await press(page, page.locator(".window.main .menubar .title > button").first(), touch);
  const item = page.locator(".window.main .menu.open").getByRole("menuitem", { name: menuText, exact: true });
  if (!(await item.isVisible())) {
    const groups = page.locator(".window.main .menu.open .submenu > button");
    for (let i = 0; i < (await groups.count()) && !(await item.isVisible()); i++) {
      await press(page, groups.nth(i), touch);
    }
  }
  await press(page, item, touch);
}

async function runStep(page, step, touch) {
  if (step === "Enter") {
    await page.keyboard.press("Enter");
    return;
  }
  const at = step.indexOf("=");
  const target = control(page, at < 0 ? step : step.slice(0, at));
  const tag = await target.evaluate((el) => el.tagName);
  if (at < 0) await press(page, target, touch);
  else if (tag === "SELECT") await target.selectOption({ label: step.slice(at + 1) });
  else if (step.slice(at + 1) === "") await target.focus();
  else await target.fill(step.slice(at + 1));
}

async function shown(page, name) {
  return control(page, name).evaluate((el) => {
    if (el.type === "checkbox") return el.checked ? "on" : "off";
    if (el.tagName === "SELECT") return el.selectedIndex < 0 ? "" : el.options[el.selectedIndex].text;
    return el.value;
  });
}

async function workedExample(page, example, touch) {
  for (const step of example.steps) await runStep(page, step, touch);
  if (example.message) {
    const box = page.locator("dialog#message[open]");
    assert.equal(await box.locator("h2").textContent(), example.message.title);
    assert.equal(await box.locator("p").textContent(), example.message.text);
    await press(page, box.getByRole("button", { name: "OK" }), touch);
    assert.equal(await page.locator("dialog#message[open]").count(), 0);
    return;
  }
  for (const show of example.shows) {
    const at = show.indexOf("=");
    const [name, text] = [show.slice(0, at), show.slice(at + 1)];
    if (name === "CalcU") {
      const settings = await page.evaluate(() => localStorage.getItem("VaZizi.ini"));
      assert.match(settings, new RegExp(`CalcU = ${text}\\r\\n`));
    } else {
      const actual = await shown(page, name);
      assert.equal(actual, text, `${example.page} (${example.steps.join("; ")}): ${name} shows "${actual}", not "${text}"`);
    }
  }
}

// On a phone: every control within the screen's width, no two overlapping,
// no caption cut, touch targets at least 40 pixels high and text at least 15.
async function checkPhoneLayout(page, name) {
  const faults = await page.evaluate(() => {
    const found = [];
    const controls = [...document.querySelectorAll(".window.main .client > *")];
    const boxes = controls.map((el) => ({ el, r: el.getBoundingClientRect(), fixed: el.classList.contains("button") }));
    for (const { el, r } of boxes) {
      const what = el.getAttribute("aria-label") || el.textContent;
      if (r.left < 0 || r.right > window.innerWidth) found.push(`${what} leaves the screen`);
      if (el.scrollWidth > el.clientWidth + 1 && el.tagName === "SPAN") found.push(`${what} is cut`);
      if (el.matches("input, select, button, label") && r.height < 40) found.push(`${what} is ${r.height} px high`);
      if (parseFloat(getComputedStyle(el).fontSize) < 15) found.push(`${what} has small text`);
    }
    boxes.forEach((a, i) => boxes.slice(i + 1).forEach((b) => {
      const apart = a.r.right <= b.r.left || b.r.right <= a.r.left || a.r.bottom <= b.r.top || b.r.bottom <= a.r.top;
      if (a.fixed === b.fixed && !apart) found.push(`${a.el.textContent || a.el.getAttribute("aria-label")} overlaps ${b.el.textContent || b.el.getAttribute("aria-label")}`);
    }));
    return found;
  });
  assert.deepEqual(faults, [], name);
}

// --- The tests ------------------------------------------------------------------

const tests = [];
function test(name, body) { tests.push({ name, body }); }

const examples = readExamples(examplesFile);
const pages = [...new Set(examples.map((e) => e.page))];

for (const size of ["phone", "desktop"]) {
  const touch = size === "phone";
  test(`worked examples, ${size}`, async (contexts) => {
    const [context, url] = [contexts[size], contexts.url];
    for (const name of pages) {
      const example = examples.find((e) => e.page === name && e.shows && e.shows.length);
      // Every page starts on the triangle and is reached from the menu.
      const page = await startOn(context, url, 0, UNITS[example.units] ?? Number(example.units));
      await page.reload();
      await page.waitForSelector("body[data-ready='1']");
      if (name !== "Triangle") await choose(page, name, touch);
      await workedExample(page, example, touch);
      if (touch) await checkPhoneLayout(page, name);
      if (shots) {
        const file = path.join(shots, `${size}-${name.toLowerCase().replace(/ /g, "_")}.png`);
        await page.screenshot({ path: file, fullPage: !touch });
        if (touch && (await page.evaluate(() => document.documentElement.scrollHeight > innerHeight))) {
          await page.evaluate(() => window.scrollTo(0, document.body.scrollHeight));
          await page.screenshot({ path: file.replace(".png", "-end.png") });
        }
      }
      await page.close();
    }
  });
}

test("a message box, by touch", async ({ context, url }) => {
  const example = examples.find((e) => e.message);
  const page = await startOn(context, url, 0, UNITS[example.units]);
  await page.reload();
  await page.waitForSelector("body[data-ready='1']");
  if (example.page !== "Triangle") await choose(page, example.page, true);
  await workedExample(page, example, true);
});

test("Enter calculates, F1 opens help, Esc closes it", async ({ desktop, url }) => {
  const example = examples.find((e) => e.shows && e.steps[e.steps.length - 1] === "Enter");
  const page = await startOn(desktop, url, 0, UNITS[example.units]);
  await page.reload();
  await page.waitForSelector("body[data-ready='1']");
  if (example.page !== "Triangle") await choose(page, example.page, false);
  await workedExample(page, example, false);
  await page.keyboard.press("F1");
  const help = page.locator(".window.panel textarea[aria-label='Help text']");
  assert.match(await help.inputValue(), /\S/);
  if (shots) await page.screenshot({ path: path.join(shots, "desktop-help.png") });
  await page.keyboard.press("Escape");
  assert.equal(await help.count(), 0);
});

test("Tab wraps round the page; Alt+H opens the Help menu, and About is modal", async ({ desktop, url }) => {
  const page = await openProgram(desktop, url);
  const focused = () => page.evaluate(() => document.activeElement.getAttribute("aria-label"));
  const first = await focused();
  await page.keyboard.press("Shift+Tab");
  const last = await page.evaluate(() => {
    const all = document.querySelectorAll(".window.main .client :is(input, select, button, textarea)");
    return all[all.length - 1].getAttribute("aria-label");
  });
  assert.equal(await focused(), last);
  await page.keyboard.press("Tab");
  assert.equal(await focused(), first);
  await page.keyboard.press("Alt+h");
  const open = page.locator(".window.main .menu.open");
  assert.equal(await open.getAttribute("aria-label"), "Help");
  await open.getByRole("menuitem", { name: "About" }).click();
  const about = page.locator(`.window.panel[aria-label="About Math Calculator - Brindle's Math"]`);
  assert.equal(await about.count(), 1);
  assert.equal(await page.locator(".window.main[inert]").count(), 1);
  if (shots) await page.screenshot({ path: path.join(shots, "desktop-about.png") });
  await page.keyboard.press("Escape");
  assert.equal(await about.count(), 0);
  assert.equal(await page.locator(".window.main[inert]").count(), 0);
});

test("the help on a phone scrolls sideways", async ({ context, url }) => {
  const page = await openProgram(context, url);
  await page.locator(".window.main .client [aria-label='Help']").tap();
  const help = page.locator(".window.panel textarea");
  const [scroll, client] = await help.evaluate((el) => [el.scrollWidth, el.clientWidth]);
  assert.ok(scroll > client, "60 columns are wider than a phone");
  if (shots) await page.screenshot({ path: path.join(shots, "phone-help.png") });
  await page.locator(".window.panel .closebox").tap();
  assert.equal(await help.count(), 0);
});

test("the units and the page survive a reload", async ({ context, url }) => {
  const page = await openProgram(context, url);
  await choose(page, "Box", true);
  await control(page, "Format").selectOption({ label: "Fractions 1/16" });
  await page.reload();
  await page.waitForSelector("body[data-ready='1']");
  assert.equal(await shown(page, "Format"), "Fractions 1/16");
  const settings = await page.evaluate(() => localStorage.getItem("VaZizi.ini"));
  assert.match(settings, /CalcW = 3\r\n/);
});

test("a settings text's comments, groups and unknown keys are kept", async ({ context, url }) => {
  const page = await openProgram(context, url);
  await page.evaluate(() => localStorage.setItem("VaZizi.ini", "; lab 4\r\nColour = 7\r\ncalcu = 1\r\n[Other]\r\nX = 1\r\n"));
  await page.reload();
  await page.waitForSelector("body[data-ready='1']");
  assert.equal(await shown(page, "Units"), "Decimal");
  await choose(page, "Bolt Circle", true);
  const settings = await page.evaluate(() => localStorage.getItem("VaZizi.ini"));
  assert.match(settings, /^; lab 4\r\nColour = 7\r\ncalcu = 1\r\n/);
  assert.match(settings, /\[Other\]\r\nX = 1\r\n/);
  assert.match(settings, /CalcW = 1\r\n/);
});

test("after the first visit it starts and calculates with the server stopped", async ({ context, server }) => {
  const page = await startOn(context, server.url, 0, UNITS.Decimal);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();  // the worker now serves the page
  await page.waitForSelector("body[data-ready='1']");
  await server.stop();
  await page.reload();
  await page.waitForSelector("body[data-ready='1']");
  await control(page, "Side A").fill("3");
  await control(page, "Side B").fill("4");
  await control(page, "Side C").fill("5");
  await control(page, "Calc").tap();
  assert.equal(await shown(page, "Area"), "6.0000");
});

(async () => {
  const browser = await launch();
  let failed = 0;
  for (const t of tests) {
    if (only && !t.name.includes(only)) continue;
    const server = await serve(path.resolve(site));
    const context = await browser.newContext(SIZES.phone);
    const desktop = await browser.newContext(SIZES.desktop);
    const started = Date.now();
    try {
      await t.body({ context, phone: context, desktop, url: server.url, server });
      console.log(`ok    ${t.name} (${Date.now() - started} ms)`);
    } catch (e) {
      failed++;
      console.log(`FAIL  ${t.name}\n      ${String(e.stack || e).split("\n").slice(0, 6).join("\n      ")}`);
    }
    await context.close();
    await desktop.close();
    await server.stop().catch(() => {});
  }
  await browser.close();
  console.log(failed ? `${failed} failed` : "all passed");
  process.exit(failed ? 1 : 0);
})();
