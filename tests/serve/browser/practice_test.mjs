// The practice page in Debian's chromium, headless, against the built program on a free
// loopback port, at a desktop's and a phone's size, in English and German: a sheet of facts,
// missing numbers and remainders answered by keyboard fully right, half right and not at
// all, each scored as the test works the answers out from the problems as shown; every
// field named for its problem, Enter going on to the next, a second go with retry=1, the
// timer of minutes=5, a wrong link's message, no request once the page has loaded, and no
// fault axe-core finds before or after Check.
// Run: node practice_test.mjs PROGRAM [SCREENSHOT_FOLDER]
import assert from "node:assert/strict";
import { join } from "node:path";
import { chromium } from "playwright-core";
import { assertAccessible, startServer } from "./support.mjs";

const [program, screenshots] = process.argv.slice(2);

const sizes = { desktop: { width: 1280, height: 800 }, phone: { width: 390, height: 844 } };
const languages = {
  en: { locale: "en-US", problem: "Problem", score: "%1 of %2 right", right: "Right", wrong: "Wrong",
        again: "Check again", timer: /^Time used: \d+:\d\d of 5:00$/ },
  de: { locale: "de-DE", problem: "Aufgabe", score: "%1 von %2 richtig", right: "Richtig", wrong: "Falsch",
        again: "Noch einmal prüfen", timer: /^Gebrauchte Zeit: \d+:\d\d von 5:00$/ },
};
// Ten problems of every kind a code carries: facts, a number left out, a remainder.
const sheet = new URLSearchParams([
  ["section", 'kind=facts operation=x first=2-9 problems=4 title="Times tables"'],
  ["section", "kind=missing operation=+,- first=2-9 problems=2 missing=either"],
  ["section", "kind=remainder first=10-60 second=2-9 problems=4 remainders=always title=Sharing"],
]);

const operations = {
  "+": [(a, b) => a + b, (result, b) => result - b, (a, result) => result - a],
  "−": [(a, b) => a - b, (result, b) => result + b, (a, result) => a - result],
  "×": [(a, b) => a * b, (result, b) => result / b, (a, result) => result / a],
  "÷": [(a, b) => a / b, (result, b) => result * b, (a, result) => a / result],
};
Object.assign(operations, { "⋅": operations["×"], ":": operations["÷"] });

// The answers a problem written as "7 × 8 = □", "□ + 5 = 12" or "23 ÷ 5 = □ r □" asks for.
function answersOf(written) {
  const [left, right] = written.split(" = ");
  const [first, sign, second] = left.split(" ");
  const [answer, leftOutFirst, leftOutSecond] = operations[sign];
  if (right.split(" ").length === 3) {
    return [Math.floor(Number(first) / Number(second)), Number(first) % Number(second)];
  }
  if (first === "□") return [leftOutFirst(Number(right), Number(second))];
  if (second === "□") return [leftOutSecond(Number(first), Number(right))];
  return [answer(Number(first), Number(second))];
}

// Each problem as shown, its fields as □, with the answers worked out from it.
async function problemsOf(page) {
  const shown = await page.locator("li").evaluateAll((items) => items.map((item) =>
    [...item.querySelectorAll(".written, input")]
      .map((part) => (part.matches("input") ? "□" : part.textContent)).join(" ")));
  return shown.map((written) => ({ written, answers: answersOf(written) }));
}

async function openPractice(browser, url, size, language, parameters) {
  const context = await browser.newContext({ locale: languages[language].locale, viewport: sizes[size] });
  const page = await context.newPage();
  await page.goto(`${url}practice?${parameters}`);
  await page.waitForLoadState("networkidle");
  const requested = [];
  context.on("request", (request) => requested.push(request.url()));
  return { page, requested };
}

// Types each problem's answers by keyboard, Enter after each field, which goes on to the
// next and from the last to the Check button; the wrong ones one too many.
async function answer(page, problems, isRight) {
  const fields = await page.locator("input[data-answer]").all();
  await fields[0].focus();
  let at = 0;
  for (const [index, problem] of problems.entries()) {
    for (const [place, value] of problem.answers.entries()) {
      await page.keyboard.type(String(place === 0 && !isRight(index) ? value + 1 : value));
      await page.keyboard.press("Enter");
      at += 1;
      const expected = at < fields.length ? await fields[at].getAttribute("id") : "check";
      assert.equal(await page.evaluate(() => document.activeElement.id), expected, `Enter after field ${at}`);
    }
  }
}

async function check(page) {
  await page.locator("#check").click();
  return (await page.locator("#score").textContent()).trim();
}

function score(language, right, of) {
  return languages[language].score.replace("%1", right).replace("%2", of);
}

const attempts = {
  fullyRight: { isRight: () => true, right: (count) => count },
  halfRight: { isRight: (index) => index % 2 === 0, right: (count) => count / 2 },
  empty: { isRight: null, right: () => 0 },
};

// One attempt: scored as worked out, each problem marked in words, every field then final.
async function scoresAnAttempt(page, language, attemptName) {
  const words = languages[language];
  const attempt = attempts[attemptName];
  const problems = await problemsOf(page);
  assert.equal(problems.length, 10);
  await assertAccessible(page, `${attemptName} before Check`);
  if (attempt.isRight) await answer(page, problems, attempt.isRight);
  assert.equal(await check(page), score(language, attempt.right(problems.length), problems.length));
  const marks = await page.locator(".mark").allTextContents();
  marks.forEach((mark, index) => {
    const right = attempt.isRight !== null && attempt.isRight(index);
    assert.ok(mark.startsWith(right ? words.right : words.wrong), `problem ${index + 1}: ${mark}`);
  });
  for (const field of await page.locator("input[data-answer]").all()) {
    assert.equal(await field.getAttribute("readonly"), "");
  }
  assert.equal(await page.locator("#check").isDisabled(), true);
  await assertAccessible(page, `${attemptName} after Check`);
}

// Every field's accessible name says its problem's number and numbers.
async function namesEveryField(page, language) {
  const problems = await problemsOf(page);
  for (const [index, problem] of problems.entries()) {
    const numbers = problem.written.split(" = ")[0].match(/\d+/g);
    const named = page.getByRole("textbox", { name: `${languages[language].problem} ${index + 1}: ` });
    assert.equal(await named.count(), problem.answers.length, problem.written);
    const name = await named.first().getAttribute("aria-label");
    assert.ok(numbers.every((number) => name.includes(number)), `${name} says ${problem.written}`);
  }
}

// With retry=1 the wrong answers can be changed once, the right ones kept; minutes=5 shows
// the time used against the time planned.
async function givesASecondGoAndShowsTheTime(page, language) {
  const words = languages[language];
  assert.match((await page.locator("#timer").textContent()).trim(), words.timer);
  const problems = await problemsOf(page);
  await answer(page, problems, (index) => index < 5);
  assert.equal(await check(page), score(language, 5, 10));
  assert.equal(await page.locator("#check").textContent(), words.again);
  const editable = await page.locator("input[data-answer]:not([readonly])").count();
  assert.equal(editable, problems.slice(5).reduce((sum, problem) => sum + problem.answers.length, 0));
  for (const [index, problem] of problems.entries()) {
    if (index < 5) continue;
    await page.locator("li").nth(index).locator("input").first().fill(String(problem.answers[0]));
  }
  assert.equal(await check(page), score(language, 10, 10));
  assert.equal(await page.locator("input[data-answer]:not([readonly])").count(), 0);
  assert.match((await page.locator("#timer").textContent()).trim(), words.timer);
}

// The page is used at its size: no sideways scrolling, touch-sized fields and button.
async function fitsItsSize(page, size) {
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= sizes[size].width);
  for (const control of await page.locator("input, button").all()) {
    const box = await control.boundingBox();
    assert.ok(box.width >= 44 && box.height >= 44, `a control is ${box.width}×${box.height}`);
  }
  assert.equal(await page.locator("#timer").count(), 0, "no timer unless asked for");
}

async function codeOf(url) {
  const response = await fetch(`${url}worksheets.pdf?${sheet}`);
  await response.arrayBuffer();
  return response.headers.get("X-Tallyworth-Code");
}

const { server, url } = await startServer(program);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", headless: true,
                                        args: ["--no-sandbox"] });
let failed = 0;
async function run(name, size, language, parameters, test) {
  const { page, requested } = await openPractice(browser, url, size, language, parameters);
  try {
    await test(page);
    assert.deepEqual(requested, [], "no request after the page has loaded");
    console.log(`ok ${name} ${size} ${language}`);
  } catch (error) {
    failed += 1;
    console.log(`FAILED ${name} ${size} ${language}: ${error.message}`);
  }
  const shown = { desktop: "de", phone: "en" };
  if (screenshots && name === "halfRight" && shown[size] === language) {
    await page.screenshot({ path: join(screenshots, `practice-${size}-${language}.png`), fullPage: true });
  }
  await page.context().close();
}
try {
  const code = await codeOf(url);
  for (const size of Object.keys(sizes)) {
    for (const language of Object.keys(languages)) {
      for (const attempt of Object.keys(attempts)) {
        await run(attempt, size, language, `code=${code}`, (page) => scoresAnAttempt(page, language, attempt));
      }
      await run("namesEveryField", size, language, `code=${code}`, (page) => namesEveryField(page, language));
      await run("fitsItsSize", size, language, `code=${code}`, (page) => fitsItsSize(page, size));
      await run("secondGoAndTime", size, language, `code=${code}&retry=1&minutes=5`,
                (page) => givesASecondGoAndShowsTheTime(page, language));
    }
  }
  await run("wrongLinkSaid", "phone", "de", "minutes=500", async (page) => {
    assert.equal(await page.locator("html").getAttribute("lang"), "de");
    await page.locator(".refused").filter({ hasText: "Diesem Übungslink fehlt der Blattcode." }).waitFor();
    await page.locator(".refused").filter({ hasText: "nicht „500“" }).waitFor();
    await assertAccessible(page, "a wrong link's page");
  });
} finally {
  await browser.close();
  server.kill("SIGTERM");
}
process.exit(failed === 0 ? 0 : 1);
