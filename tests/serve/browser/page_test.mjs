// The classroom page in Debian's chromium, headless, against the built program on a free
// loopback port: filled by keyboard alone, sections added, counted and removed, the PDF it
// brings read back, a bad value's message at its field, a set cut off mid-stream said,
// German for a German browser (its page and its sheets), touch-sized controls, and no
// request that leaves 127.0.0.1. The preview, its code and the page's layout are checked
// on a laptop's screen and a phone's, in English and German.
// Run: node page_test.mjs PROGRAM [SCREENSHOT_FOLDER]
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";
import { assertAccessible, startServer } from "./support.mjs";

const [program, screenshots] = process.argv.slice(2);

const laptop = { width: 1280, height: 800 };
// The preview's picture is a blob: the page's script made of the answer.
const leavesTheMachine = (address) => address.protocol !== "blob:" && address.hostname !== "127.0.0.1";
const phone = { width: 390, height: 844 };

async function openPage(browser, url, locale, viewport = laptop) {
  const context = await browser.newContext({ locale, viewport, acceptDownloads: true });
  const requested = [];
  context.on("request", (request) => requested.push(new URL(request.url())));
  const page = await context.newPage();
  await page.goto(url);
  await page.locator("#count").filter({ hasText: /\d/ }).waitFor();
  await previewShown(page);
  return { page, requested };
}

// Waits for a preview whose code differs from before, drawn and with its text (of so many
// problems, when given); gives the code and the sheet's problems as text.
async function previewShown(page, before = "", problems = 0) {
  await page.waitForFunction(([old, count]) => {
    const image = document.getElementById("preview-image");
    const code = document.querySelector("#preview-code code")?.textContent ?? "";
    const text = document.getElementById("preview-text");
    const items = text.querySelectorAll("li").length;
    return code !== "" && code !== old && !image.hidden && image.complete &&
      image.naturalWidth > 0 && image.alt.includes(code) && text.dataset.code === code &&
      items > 0 && (count === 0 || items === count);
  }, [before, problems]);
  return page.evaluate(() => ({
    code: document.querySelector("#preview-code code").textContent,
    problems: [...document.querySelectorAll("#preview-text li")].map((item) => item.textContent),
  }));
}

// Asserts that the first field at fault holds the focus and names its message.
async function assertFaultAt(page, id, message) {
  await page.waitForFunction((field) => document.activeElement?.id === field, id);
  const field = page.locator(`#${id}`);
  assert.equal(await field.getAttribute("aria-invalid"), "true");
  const said = await page.locator(`#${await field.getAttribute("aria-describedby")}`).textContent();
  assert.ok(message === undefined ? said.length > 0 : said.includes(message), said);
}

// What pdftotext reads of a saved PDF, without its spaces and lines.
function pdfText(file) {
  return execFileSync("pdftotext", [file, "-"]).toString().replace(/\s+/g, "");
}

// Types into the focused field as a keyboard user does: select all, then the value.
async function typeInto(page, selector, text) {
  await page.focus(selector);
  await page.keyboard.press("Control+A");
  await page.keyboard.type(text);
}

// The text of the set the page's first form makes as it stands.
async function madeSheets(page) {
  const download = page.waitForEvent("download");
  await page.locator("#make").click();
  const file = join(mkdtempSync(join(tmpdir(), "tallyworth-page-")), "set.pdf");
  await (await download).saveAs(file);
  return execFileSync("pdftotext", [file, "-"]).toString();
}

// Whether the request is a count of a sheet of that many sections.
function countOf(request, sections) {
  const address = new URL(request.url());
  return address.pathname.endsWith("/count") && address.searchParams.getAll("section").length === sections;
}

const checks = {
  async passesTheAccessibilityAudit(page) {
    await assertAccessible(page, "the page");
  },
  async madeByKeyboard(page) {
    await page.focus("#operation");
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("ArrowDown");  // ×
    await typeInto(page, "#lowest", "2");
    await typeInto(page, "#highest", "12");
    await typeInto(page, "#sheets", "2");
    await page.focus("#answers");
    await page.keyboard.press("ArrowDown");  // after each sheet
    const download = page.waitForEvent("download");
    await page.focus("#make");
    await page.keyboard.press("Enter");
    const file = join(mkdtempSync(join(tmpdir(), "tallyworth-page-")), "set.pdf");
    await (await download).saveAs(file);
    const text = execFileSync("pdftotext", [file, "-"]).toString();
    assert.match(text, /Sheet 2 of 2/);
    assert.match(text, /Answer key/);
    assert.match(text, /×/);
    const code = (await page.locator("#message code").textContent()).trim();
    assert.ok(text.includes(code), `the code ${code} is on the sheets`);
    assert.equal(await page.locator("#message.fault").count(), 0, "a success is no fault");
  },
  async badValueSaidAtItsField(page) {
    await typeInto(page, "#lowest", "12");
    await typeInto(page, "#highest", "3");
    await page.focus("#make");
    await page.keyboard.press("Enter");
    await assertFaultAt(page, "lowest", "Lowest Number must be less than Highest Number!");
    await typeInto(page, "#lowest", "1");
    await page.waitForFunction(() => document.querySelector("[aria-invalid]") === null);
    await typeInto(page, "#sheets", "600");
    await page.locator("#make").press("Enter");
    await assertFaultAt(page, "sheets", "--sheets takes a number of sheets from 1 to 500");
  },
  // Symbol for ÷ alone (a mixed sheet writes its divisions on a line), Allow Negative
  // Results for − and the mix, as the main window offers them; a hidden one is not sent.
  async choicesOnlyWhereTheyApply(page) {
    for (const [operation, negative, notation] of [["+", false, false], ["-", true, false],
      ["*", false, false], ["/", false, true], ["mix", true, false]]) {
      await page.selectOption("#operation", operation);
      assert.equal(await page.locator("#allow-negative").isVisible(), negative, operation);
      assert.equal(await page.locator("#notation").isVisible(), notation, operation);
    }
    await page.selectOption("#operation", "-");
    await page.locator("#allow-negative").check();
    await page.selectOption("#operation", "+");
    const sent = page.waitForRequest((request) => request.url().includes("/preview.png?"));
    assert.equal(new URL((await sent).url()).searchParams.has("allow-negative"), false);
  },
  // The text view makes the set of the preview's code, with its keys, and leads back.
  async textViewOfThePreview(page) {
    const { code, problems } = await previewShown(page);
    await page.selectOption("#answers", "each");
    await page.locator("#as-text").press("Enter");
    await page.waitForURL(/worksheets\.html/);
    assert.match(await page.title(), /The worksheets as text/);
    assert.equal(await page.locator("h1").textContent(), "The worksheets as text");
    assert.ok((await page.locator("h2").first().textContent()).includes(code));
    assert.deepEqual(await page.locator("ol").first().locator("li").allTextContents(), problems);
    assert.match(await page.locator("h2").nth(1).textContent(), /Answer key/);
    await assertAccessible(page, "the text view");
    await page.getByRole("link", { name: "Back to the worksheet's settings" }).press("Enter");
    await page.locator("#make").waitFor();
  },
  async pagesThroughTheSetOfTheSheetShown(page) {
    assert.ok(await page.locator("#pager").isHidden(), "a set of one page has no pager");
    await typeInto(page, "#sheets", "2");
    await page.selectOption("#answers", "each");
    const { code } = await previewShown(page);
    await page.locator("#page-of").filter({ hasText: "Page 1 of 4" }).waitFor();
    assert.ok(await page.locator("#previous-page").isDisabled());
    const first = await page.locator("#preview-image").getAttribute("src");
    for (const shown of ["Page 2 of 4", "Page 3 of 4", "Page 4 of 4"]) {
      await page.locator("#next-page").press("Enter");
      await page.locator("#page-of").filter({ hasText: shown }).waitFor();
    }
    assert.ok(await page.locator("#next-page").isDisabled());
    assert.notEqual(await page.locator("#preview-image").getAttribute("src"), first);
    assert.match(await page.locator("#preview-image").getAttribute("alt"), new RegExp(`Page 4 of 4 .*${code}`));
    assert.equal(await page.locator("#preview-code code").textContent(), code, "paging keeps the sheet");
  },
  async busyWhileASetIsMade(page) {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route("**/worksheets.pdf?*", async (route) => { await held; await route.continue(); });
    const download = page.waitForEvent("download");
    await page.locator("#make").press("Enter");
    await page.locator("#make[aria-busy=true]").waitFor();
    release();
    await download;
    await page.locator("#message code").waitFor();
    assert.equal(await page.locator("#make").getAttribute("aria-busy"), null);
    assert.match(await page.locator("#message").textContent(), /made/);
  },
  // A set that fails while it streams is cut off before its end, as the program's server
  // cuts it: here a loopback server of the test's sends the headers and a first chunk only.
  async cutSetSaid(page) {
    const cutter = createServer((request, response) => {
      response.writeHead(200, { "Content-Type": "application/pdf",
                                "Access-Control-Allow-Origin": "*" });
      response.write("%PDF-1.4\n", () => response.socket.destroy());
    });
    await new Promise((resolve) => cutter.listen(0, "127.0.0.1", resolve));
    const cut = `http://127.0.0.1:${cutter.address().port}/worksheets.pdf`;
    await page.route("**/worksheets.pdf?*", (route) => route.continue({ url: cut }));
    let downloaded = false;
    page.on("download", () => { downloaded = true; });
    await page.focus("#make");
    await page.keyboard.press("Enter");
    await page.locator("#message")
      .filter({ hasText: "The worksheets could not be made whole. Please try again." }).waitFor();
    cutter.close();
    assert.equal(downloaded, false, "no part of a set is saved");
  },
  // Two sections made by keyboard, each counted in its own live region and both on the
  // sheets, a fault said at its section; one removed, the other is sent as a section, and
  // with none the plain settings as ever.
  async sectionsByKeyboard(page) {
    await page.focus("#add-section");
    await page.keyboard.press("Enter");
    assert.equal(await page.evaluate(() => document.activeElement.id), "section1-kind");
    for (const sign of ["+", "*"]) {  // × in place of +
      await page.focus(`[id="section1-${sign}"]`);
      await page.keyboard.press("Space");
    }
    await typeInto(page, "#section1-first-lowest", "6");
    await typeInto(page, "#section1-first-highest", "7");
    await typeInto(page, "#section1-second-lowest", "7");
    await typeInto(page, "#section1-second-highest", "8");
    await page.focus("#add-section");
    await page.keyboard.press("Enter");
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("ArrowDown");  // division from the times tables
    await typeInto(page, "#section2-first-lowest", "2");
    await typeInto(page, "#section2-first-highest", "5");
    await typeInto(page, "#section2-second-lowest", "3");
    await typeInto(page, "#section2-second-highest", "4");
    await typeInto(page, "#section2-title", "Sharing out");
    for (const [count, problems] of [["#section1-count", 4], ["#section2-count", 8]]) {
      await page.locator(count).filter({ hasText: `Different problems under these rules: ${problems}` })
        .waitFor();
      assert.equal(await page.locator(count).getAttribute("aria-live"), "polite");
    }
    await checks.controlsAreLabelledAndTouchSized(page);
    const sheets = await madeSheets(page);
    assert.match(sheets, /[67]\s*×\s*[78]/);
    assert.match(sheets, /\d+\s*÷\s*[34]/);
    await typeInto(page, "#section2-second-highest", "2");
    await page.locator("#section2-count.fault").filter({ hasText: "Section 2, second:" }).waitFor();
    assert.match(await page.locator("#section1-count").textContent(), /rules: 4$/);
    const sent = page.waitForRequest((request) => countOf(request, 1));
    await page.getByRole("button", { name: "Remove section 1", exact: true }).focus();
    await page.keyboard.press("Enter");
    assert.equal(await page.evaluate(() => document.activeElement.id), "section2-kind");
    assert.equal(await page.locator(".section > legend").textContent(), "Section 1");
    const parameters = new URL((await sent).url()).searchParams;
    assert.deepEqual(parameters.getAll("section"),
                     ['kind=table-division first=2-5 second=3-2 problems=10 title="Sharing out"']);
    assert.equal(parameters.has("operation"), false);
    const plain = page.waitForRequest((request) => countOf(request, 0));
    await page.getByRole("button", { name: "Remove section 1", exact: true }).press("Enter");
    assert.equal(await page.evaluate(() => document.activeElement.id), "add-section");
    assert.equal(new URL((await plain).url()).search,
                 "?operation=%2B&lowest=1&highest=9&problems=10&regrouping=any&lang=en");
  },
  // A written section shows its one operation's fields only; its sheet is previewed, and
  // made with the written methods' page options, as the section's text says it.
  async writtenSectionPreviewedAndMade(page) {
    const before = await previewShown(page);
    await page.selectOption("#method", "fr");
    await page.locator("#key-working").check();
    await page.locator("#add-section").press("Enter");
    await page.selectOption("#section1-kind", "written");
    const shown = async () => Promise.all(["operation", "addends", "carrying", "remainders", "+"]
      .map((name) => page.locator(`[id="section1-${name}"]`).isVisible()));
    assert.deepEqual(await shown(), [true, true, true, false, false]);
    await page.selectOption("#section1-operation", "/");
    assert.deepEqual(await shown(), [true, false, false, true, false]);
    assert.equal(await page.locator(".section .range > legend").first().textContent(), "Dividend");
    await typeInto(page, "#section1-first-lowest", "100");
    await typeInto(page, "#section1-first-highest", "9999");
    await typeInto(page, "#section1-second-lowest", "2");
    await typeInto(page, "#section1-second-highest", "9");
    await typeInto(page, "#section1-problems", "8");  // the last change: 8 problems are shown
    await page.locator("#section1-count").filter({ hasText: /\d/ }).waitFor();
    const { code } = await previewShown(page, before.code, 8);
    const asked = await page.evaluate(() => [...sheetQuery(() => true)]);
    assert.deepEqual(asked.filter(([name]) => ["section", "method", "key-working"].includes(name)),
                     [["method", "fr"], ["key-working", "1"],
                      ["section", "kind=written first=100-9999 second=2-9 problems=8 operation=/ remainders=50"]]);
    const sent = page.waitForRequest((request) => request.url().includes("/worksheets.pdf?"));
    const text = await madeSheets(page);
    assert.equal(new URL((await sent).url()).searchParams.get("code"), code);
    assert.ok(text.includes(code), `the code ${code} is on the sheets`);
  },
  async controlsAreLabelledAndTouchSized(page) {
    for (const control of await page.locator("select, input, button").all()) {
      if (!await control.isVisible()) continue;
      const id = await control.getAttribute("id");
      const labelled = id !== null && await page.locator(`label[for="${id}"]`).count() === 1;
      const wrapped = await control.evaluate((element) => element.closest("label") !== null);
      assert.ok(labelled || wrapped || (await control.textContent()).trim() !== "",
                `${await control.evaluate((element) => element.outerHTML)} has a label`);
      const target = wrapped ? control.locator("xpath=ancestor::label") : control;
      const box = await target.boundingBox();
      assert.ok(box.width >= 44 && box.height >= 44, `${id ?? "a control"} is ${box.width}×${box.height}`);
    }
  },
};

// On a laptop's screen and a phone's, in English and German: the page passes the audit,
// the main action is in sight at once on the laptop, the preview follows the settings and
// "New problems" draws another, and the download is the sheet of the preview.
async function checkLayout(page, viewport, url) {
  await assertAccessible(page, "the page");
  const make = await page.locator("#make").boundingBox();
  if (viewport === laptop) {
    assert.ok(make.y + make.height <= laptop.height, `the main action at ${make.y}`);
    const form = await page.locator("#settings").boundingBox();
    const preview = await page.locator("#preview").boundingBox();
    assert.ok(preview.x >= form.x + form.width, "the preview beside the settings");
  } else {
    const form = await page.locator("#settings").boundingBox();
    assert.ok(make.y >= form.y + form.height, "the preview below the settings");
  }
  assert.notEqual(await page.locator("#make").evaluate((button) =>
    getComputedStyle(button).backgroundColor), await page.locator("#as-text").evaluate((button) =>
    getComputedStyle(button).backgroundColor), "the main action stands out");
  const first = await previewShown(page);
  await page.selectOption("#operation", "*");
  const times = await previewShown(page, first.code);
  assert.ok(times.problems.every((problem) => problem.includes("×") || problem.includes("⋅")),
            times.problems[0]);
  await typeInto(page, "#problems", "100");
  const hundred = await previewShown(page, times.code, 100);
  await page.locator("#new-problems").click();
  const another = await previewShown(page, hundred.code);
  assert.equal(new URL(await page.locator("#print").getAttribute("href"), url).searchParams.get("code"),
               another.code, "the set to print is the sheet shown");
  const file = join(mkdtempSync(join(tmpdir(), "tallyworth-page-")), "set.pdf");
  const download = page.waitForEvent("download");
  await page.locator("#make").click();
  await (await download).saveAs(file);
  const text = pdfText(file);
  assert.ok(text.includes(another.code), "the preview's code is on the sheet");
  const expected = another.problems.join("").replace(/\s+/g, "");
  assert.ok(text.includes(expected), `the preview's problems read ${expected.slice(0, 80)} in ${text.slice(0, 300)}`);
  await typeInto(page, "#highest", "150");
  await page.locator("#make").press("Enter");
  await assertFaultAt(page, "highest");
  await assertAccessible(page, "the page with a fault");
}

const { server, url } = await startServer(program);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", headless: true,
                                        args: ["--no-sandbox"] });
let failed = 0;
// Runs one check on a fresh page, which must send nothing off the machine.
async function run(name, locale, viewport, check) {
  const { page, requested } = await openPage(browser, url, locale, viewport);
  try {
    await check(page);
    assert.deepEqual(requested.filter(leavesTheMachine), []);
    console.log(`ok ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`FAILED ${name}: ${error.message}`);
  }
  await page.context().close();
}
try {
  for (const [name, check] of Object.entries(checks)) {
    await run(name, "en-US", undefined, check);
  }
  for (const locale of ["en-US", "de-DE"]) {
    for (const viewport of [laptop, phone]) {
      await run(`layout ${locale} ${viewport.width}×${viewport.height}`, locale, viewport,
                (page) => checkLayout(page, viewport, url));
    }
  }
  const { page } = await openPage(browser, url, "de-DE");
  const label = (await page.locator('label[for="lowest"]').textContent()).trim();
  const sheets = await madeSheets(page);
  if (label === "Kleinste Zahl" && await page.locator("html").getAttribute("lang") === "de" &&
      sheets.includes("Blatt 1 von 1") && sheets.includes("Datum")) {
    console.log("ok germanForAGermanBrowser");
  } else {
    failed += 1;
    console.log(`FAILED germanForAGermanBrowser: "${label}", ${sheets.slice(0, 200)}`);
  }
  if (screenshots) {
    await page.screenshot({ path: join(screenshots, "serve-page-desktop-de.png") });
    const onPhone = await openPage(browser, url, "en-US", phone);
    await onPhone.page.locator("#add-section").click();
    await onPhone.page.locator("#section1-count").filter({ hasText: /\d/ }).waitFor();
    await onPhone.page.screenshot({ path: join(screenshots, "serve-page-phone.png"), fullPage: true });
  }
} finally {
  await browser.close();
  server.kill("SIGTERM");
}
const status = await new Promise((resolve) => server.on("exit", (code) => resolve(code)));
assert.equal(status, 0, "the server stops cleanly on SIGTERM");
process.exit(failed === 0 ? 0 : 1);
