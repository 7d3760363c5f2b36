"use strict";
// The forms ask for worksheets.pdf with the command line's option names; a bad value comes
// back as the program's message, shown in the live region. Every request names the page's
// language, so that its sheets and messages speak it whatever the browser prefers.
const settingNames = ["operation", "lowest", "highest", "problems", "allow-negative",
  "notation", "no-trivial", "fixed", "regrouping", "no-repeats"];
// The settings that sections hold each for themselves, and the rules that hold for every
// section, which each section's text carries.
const plainNames = ["operation", "lowest", "highest", "problems"];
const ruleNames = ["allow-negative", "no-trivial", "fixed", "regrouping", "no-repeats"];
const isSetting = (name) => settingNames.includes(name);

// The form's parameters that keep lets through, then those of extra, then the language.
function query(form, keep = () => true, extra = []) {
  const parameters = new URLSearchParams();
  for (const [name, value] of new FormData(form)) {
    if (value !== "" && keep(name)) parameters.append(name, value);
  }
  for (const [name, value] of extra) {
    if (value !== "") parameters.append(name, value);
  }
  parameters.append("lang", document.documentElement.lang);
  return parameters;
}

function say(text) { document.getElementById("message").textContent = text; }

// A set that fails while it is drawn is cut off before its end, so the browser never takes
// part of one for the whole: the page says so instead of saving it.
async function fetchSet(parameters) {
  say("");
  try {
    const answer = await fetch("worksheets.pdf?" + parameters);
    if (!answer.ok) { say(await answer.text()); return; }
    const code = answer.headers.get("X-Tallyworth-Code") || "";
    const link = document.createElement("a");
    link.href = URL.createObjectURL(await answer.blob());
    link.download = "worksheets-" + code + ".pdf";
    document.body.append(link);
    link.click();
    link.remove();
    say(code);
  } catch {
    say(document.getElementById("message").dataset.failed);
  }
}

// Sections: each a fieldset made from the page's template, read back as the command line's
// --section text ("kind=missing operation=* first=2-12 ...").
const words = () => document.getElementById("sections").dataset;
const sectionElements = () => [...document.querySelectorAll("#section-list > .section")];
const field = (element, name) => element.querySelector(`[data-field="${name}"]`);
const isDivisionKind = (kind) => kind === "table-division" || kind === "remainder";
const rangeWords = { facts: ["first", "second"], missing: ["first", "second"],
  "table-division": ["quotient", "divisor"], remainder: ["dividend", "divisor"] };

function sectionOf(element) {
  const value = (name) => field(element, name).value.trim();
  return {
    kind: value("kind"),
    operations: ["+", "-", "*", "/"].filter((sign) => field(element, sign).checked),
    first: [value("first-lowest"), value("first-highest")],
    second: [value("second-lowest"), value("second-highest")],
    problems: value("problems"),
    missing: value("missing"),
    remainders: value("remainders"),
    title: field(element, "title").value,
  };
}

// rules holds the form's rules as [name, value], a switch's value "1".
function sectionText(section, rules) {
  const fields = [`kind=${section.kind}`];
  if (!isDivisionKind(section.kind)) {
    fields.push("operation=" + (section.operations.length === 4 ? "mix" : section.operations.join(",")));
  }
  fields.push(`first=${section.first.join("-")}`, `second=${section.second.join("-")}`,
              `problems=${section.problems}`);
  if (section.kind === "missing") fields.push(`missing=${section.missing}`);
  if (section.kind === "remainder") fields.push(`remainders=${section.remainders}`);
  for (const [name, value] of rules) fields.push(value === "1" ? name : `${name}=${value}`);
  // In double quotes, as the command line splits its words: a quote itself is three.
  if (section.title !== "") fields.push(`title="${section.title.replaceAll('"', '"""')}"`);
  return fields.join(" ");
}

// The plain settings that say a section of facts of one operation, or of all four, from
// one range and untitled; nothing for any other.
function plainSettings(section) {
  const { kind, operations, first, second, title } = section;
  if (kind !== "facts" || first.join() !== second.join() || title !== "" ||
      (operations.length !== 1 && operations.length !== 4)) {
    return null;
  }
  return [["operation", operations.length === 4 ? "mix" : operations[0]],
          ["lowest", first[0]], ["highest", first[1]], ["problems", section.problems]];
}

// The first form's parameters that keep lets through. Without sections they are the form's
// own; one section that the plain settings can say is sent as them, others each as a
// section= that carries the rules too.
function sheetQuery(keep, sections = sectionElements().map(sectionOf)) {
  const settings = document.getElementById("settings");
  if (sections.length === 0) return query(settings, keep);
  const plain = sections.length === 1 ? plainSettings(sections[0]) : null;
  if (plain) return query(settings, (name) => keep(name) && !plainNames.includes(name), plain);
  const rules = [...new FormData(settings)].filter(([name, value]) =>
    ruleNames.includes(name) && value !== "" && !(name === "regrouping" && value === "any"));
  return query(settings,
               (name) => keep(name) && !plainNames.includes(name) && !ruleNames.includes(name),
               sections.map((section) => ["section", sectionText(section, rules)]));
}

// Numbers, names and what shows follow the sections' order and kinds.
function renumber() {
  const sections = sectionElements();
  sections.forEach((element, index) => {
    const number = String(index + 1);
    element.querySelector(":scope > legend").textContent = words().section.replace("%1", number);
    for (const button of element.querySelectorAll("[data-action]")) {
      button.textContent = words()[button.dataset.action].replace("%1", number);
    }
    element.querySelector("[data-action=up]").disabled = index === 0;
    element.querySelector("[data-action=down]").disabled = index === sections.length - 1;
  });
  document.getElementById("add-section").disabled = sections.length >= Number(words().most);
  document.getElementById("plain-settings").hidden = sections.length > 0;
  document.getElementById("count").hidden = sections.length > 0;
}

function showKind(element) {
  const kind = field(element, "kind").value;
  for (const part of element.querySelectorAll("[data-kinds]")) {
    part.hidden = !part.dataset.kinds.split(" ").includes(kind);
  }
  element.querySelectorAll(".range > legend").forEach((legend, index) => {
    legend.textContent = words()[rangeWords[kind][index]];
  });
}

// A new section starts from the plain settings as they stand.
function fillFromPlain(element) {
  const plain = document.getElementById("settings").elements;
  const operation = plain.operation.value;
  for (const sign of ["+", "-", "*", "/"]) {
    field(element, sign).checked = operation === "mix" || operation === sign;
  }
  for (const range of ["first", "second"]) {
    field(element, range + "-lowest").value = plain.lowest.value;
    field(element, range + "-highest").value = plain.highest.value;
  }
  field(element, "problems").value = plain.problems.value;
}

let sectionsMade = 0;  // each section's controls get ids of their own, kept as others go

function addSection() {
  const template = document.getElementById("section-template");
  const element = template.content.firstElementChild.cloneNode(true);
  const prefix = `section${++sectionsMade}-`;
  for (const control of element.querySelectorAll("[data-field]")) {
    control.id = prefix + control.dataset.field;
  }
  for (const label of element.querySelectorAll("label[data-for]")) {
    label.htmlFor = prefix + label.dataset.for;
  }
  const count = element.querySelector(".section-count");
  count.id = prefix + "count";
  element.setAttribute("aria-describedby", count.id);
  fillFromPlain(element);
  document.getElementById("section-list").append(element);
  showKind(element);
  renumber();
  countSoon();
  field(element, "kind").focus();
}

// Focus goes to the section that takes the removed one's place, else to the one before it,
// else to the button that adds one.
function removeSection(element) {
  const index = sectionElements().indexOf(element);
  element.remove();
  renumber();
  countSoon();
  const left = sectionElements();
  const next = left[Math.min(index, left.length - 1)];
  (next ? field(next, "kind") : document.getElementById("add-section")).focus();
}

// The button pressed keeps the focus, unless the section has gone as far as it can go.
function moveSection(element, button) {
  const up = button.dataset.action === "up";
  const sections = sectionElements();
  const other = sections[sections.indexOf(element) + (up ? -1 : 1)];
  if (!other) return;
  if (up) other.before(element); else other.after(element);
  renumber();
  countSoon();
  (button.disabled ? element.querySelector(`[data-action=${up ? "down" : "up"}]`) : button).focus();
}

// Counts: one answer for the whole sheet, a line for each section in turn.
async function countAnswer(sections) {
  const answer = await fetch("count?" + sheetQuery(isSetting, sections));
  return { ok: answer.ok, lines: (await answer.text()).trim().split("\n") };
}

function showCount(element, text, fault) {
  const count = element.querySelector(".section-count");
  count.textContent = text;
  count.classList.toggle("fault", fault);
}

const countText = (number) => document.getElementById("count").dataset.text.replace("%1", number);

// A refused sheet's messages go each to the section it names: the messages that the sheet
// up to a section gets and the sheet before it did not.
async function placeFaults(elements, sections, isCurrent) {
  let before = [];
  for (let index = 0; index < sections.length; ++index) {
    const answer = await countAnswer(sections.slice(0, index + 1));
    if (!isCurrent()) return;
    const said = answer.ok ? [] : answer.lines;
    const own = said.filter((line) => !before.includes(line));
    if (own.length > 0) showCount(elements[index], own.join("\n"), true);
    else showCount(elements[index], answer.ok ? countText(answer.lines[index]) : "", false);
    before = said;
  }
}

let countsAsked = 0;  // an answer to an older question is dropped

async function updateCount() {
  const asked = ++countsAsked;
  const isCurrent = () => asked === countsAsked;
  const elements = sectionElements();
  const sections = elements.map(sectionOf);
  const count = document.getElementById("count");
  try {
    const answer = await countAnswer(sections);
    if (!isCurrent()) return;
    if (elements.length === 0) {
      count.textContent = answer.ok ? countText(answer.lines[0]) : "";
      return;
    }
    count.textContent = "";
    if (!answer.ok) {
      await placeFaults(elements, sections, isCurrent);
      return;
    }
    elements.forEach((element, index) => showCount(element, countText(answer.lines[index]), false));
  } catch {
    if (isCurrent()) count.textContent = "";
  }
}

let countTimer = 0;
// Counts again once typing pauses, not at every key.
function countSoon() {
  clearTimeout(countTimer);
  countTimer = setTimeout(updateCount, 300);
}

document.addEventListener("DOMContentLoaded", () => {
  const settings = document.getElementById("settings");
  settings.addEventListener("submit", (event) => {
    event.preventDefault();
    const parameters = sheetQuery(() => true);
    if (!document.getElementById("header").checked) parameters.append("no-header", "1");
    fetchSet(parameters);
  });
  settings.addEventListener("input", countSoon);
  settings.addEventListener("change", countSoon);
  document.getElementById("add-section").addEventListener("click", addSection);
  const list = document.getElementById("section-list");
  list.addEventListener("change", (event) => {
    if (event.target.dataset.field === "kind") showKind(event.target.closest(".section"));
  });
  list.addEventListener("click", (event) => {
    const button = event.target.closest("[data-action]");
    if (!button) return;
    const element = button.closest(".section");
    if (button.dataset.action === "remove") removeSection(element);
    else moveSection(element, button);
  });
  // The same sheets as text, each problem as it is printed: what a screen reader reads.
  document.getElementById("as-text").addEventListener("click", () => {
    const parameters = sheetQuery(() => true);
    parameters.delete("paper");
    window.location.href = "worksheets.html?" + parameters;
  });
  const bringBack = document.getElementById("bring-back");
  bringBack.addEventListener("submit", (event) => {
    event.preventDefault();
    const parameters = query(bringBack);
    for (const name of ["sheets", "answers", "paper"]) {
      parameters.append(name, settings.elements[name].value);
    }
    if (!document.getElementById("header").checked) parameters.append("no-header", "1");
    fetchSet(parameters);
  });
  updateCount();
});
