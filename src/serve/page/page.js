"use strict";
// The page asks for worksheets.pdf with the command line's option names. Every change
// redraws the preview of the first page, whose code then fixes the sheet: the download,
// the text view and the preview after it name that code, with the settings a code does not
// carry, so they make exactly the sheet shown. A bad value comes back as the program's
// message, with the option it is about (X-Tallyworth-Fields), and is shown at its field.
// Every request names the page's language, so that its sheets and messages speak it
// whatever the browser prefers.
const settingNames = ["operation", "lowest", "highest", "problems", "allow-negative",
  "notation", "no-trivial", "fixed", "regrouping", "no-repeats"];
// The settings that sections hold each for themselves, and the rules that hold for every
// section, which each section's text carries.
const plainNames = ["operation", "lowest", "highest", "problems"];
const ruleNames = ["allow-negative", "no-trivial", "fixed", "regrouping", "no-repeats"];
// What a code leaves to be said beside it: how many sheets, their keys and paper.
const setNames = ["sheets", "answers", "paper"];
const isSetting = (name) => settingNames.includes(name);
const byId = (id) => document.getElementById(id);

// The choices that the operation chosen uses (the server says which, as the main window
// shows them); a hidden one is not sent. A sheet of sections may use both.
function hiddenChoices() {
  const operation = byId("operation");
  const sections = sectionElements().length > 0;
  const offered = (list) => sections || operation.dataset[list].split(" ").includes(operation.value);
  byId("negative-choice").hidden = !offered("negative");
  byId("notation-choice").hidden = !offered("notation");
  return [byId("negative-choice").hidden ? "allow-negative" : "",
          byId("notation-choice").hidden ? "notation" : ""];
}

// The form's parameters that keep lets through, then those of extra, then the language.
function query(form, keep = () => true, extra = []) {
  const hidden = form.id === "settings" ? hiddenChoices() : [];
  const parameters = new URLSearchParams();
  for (const [name, value] of new FormData(form)) {
    if (value !== "" && keep(name) && !hidden.includes(name)) parameters.append(name, value);
  }
  for (const [name, value] of extra) {
    if (value !== "") parameters.append(name, value);
  }
  parameters.append("lang", document.documentElement.lang);
  return parameters;
}

// The message under the buttons: a fault in its colour, a made set's code as a code.
function say(text, fault = false) {
  const message = byId("message");
  message.textContent = text;
  message.classList.toggle("fault", fault);
}

// Writes the template into element with its %1 as a code.
function writeWithCode(element, template, code) {
  const [before, after = ""] = template.split("%1");
  const written = document.createElement("code");
  written.textContent = code;
  element.classList.remove("fault");
  element.replaceChildren(before, written, after);
}

// The controls a message can be about: the first form's by name, and the code's.
function controlNamed(name) {
  if (name === "code") return byId("code");
  return byId("settings").elements.namedItem(name);
}

function clearFaults() {
  for (const shown of document.querySelectorAll(".field-error")) shown.remove();
  for (const control of document.querySelectorAll("[aria-invalid]")) {
    control.removeAttribute("aria-invalid");
    control.removeAttribute("aria-describedby");
  }
  if (byId("message").classList.contains("fault")) say("");
}

// Each message at the field it is about, right after it and read with it; the others under
// the buttons. The first field at fault takes the focus when focus asks.
async function showFaults(answer, focus) {
  const messages = (await answer.text()).trim().split("\n");
  clearFaults();
  const fields = (answer.headers.get("X-Tallyworth-Fields") || "").split(",");
  const general = [];
  let first = null;
  messages.forEach((message, index) => {
    const control = controlNamed(fields[index] || "");
    if (!control || control.closest("[hidden]")) { general.push(message); return; }
    let shown = byId(`${control.id}-error`);
    if (!shown) {
      shown = document.createElement("p");
      shown.id = `${control.id}-error`;
      shown.className = "field-error";
      (control.closest("label.check") || control).after(shown);
    }
    shown.textContent = shown.textContent ? `${shown.textContent}\n${message}` : message;
    control.setAttribute("aria-invalid", "true");
    control.setAttribute("aria-describedby", shown.id);
    first = first || control;
  });
  if (general.length > 0) say(general.join("\n"), true);
  if (focus) (first || byId("make")).focus();
}

// The sheet the preview shows: its code, and the settings it was drawn from.
const shown = { code: "", settings: null };
const codeSettings = () => sheetQuery((name) => !setNames.includes(name)).toString();

// The settings a code does not carry, as the first form has them.
function setParameters() {
  const parameters = query(byId("settings"), (name) => setNames.includes(name));
  if (!byId("header").checked) parameters.append("no-header", "1");
  return parameters;
}

// The sheet shown by its code, or, before there is one or once the settings changed, the
// settings themselves.
function sheetParameters() {
  if (!shown.code || shown.settings !== codeSettings()) {
    const parameters = sheetQuery(() => true);
    if (!byId("header").checked) parameters.append("no-header", "1");
    return parameters;
  }
  const parameters = setParameters();
  parameters.set("code", shown.code);
  return parameters;
}

let previewsAsked = 0;  // an answer to an older question is dropped
const pager = { page: 1, pages: 1 };  // the page of the set shown, from 1

// Shows which page of the set is shown, with a way to each neighbour there is.
function showPager() {
  byId("pager").hidden = pager.pages < 2;
  byId("page-of").textContent =
    byId("page-of").dataset.text.replace("%1", pager.page).replace("%2", pager.pages);
  byId("previous-page").disabled = pager.page <= 1;
  byId("next-page").disabled = pager.page >= pager.pages;
}

async function updatePreview() {
  const asked = ++previewsAsked;
  const settings = codeSettings();
  const parameters = sheetParameters();
  const image = byId("preview-image");
  try {
    const page = new URLSearchParams(parameters);
    page.set("page", pager.page);
    const answer = await fetch("preview.png?" + page);
    if (asked !== previewsAsked) return;
    if (!answer.ok) {
      image.hidden = true;
      byId("pager").hidden = true;
      byId("print").hidden = true;
      byId("preview-code").textContent = "";
      byId("preview-text").textContent = "";
      await showFaults(answer, false);
      return;
    }
    clearFaults();
    const code = answer.headers.get("X-Tallyworth-Code") || "";
    const picture = URL.createObjectURL(await answer.blob());
    if (asked !== previewsAsked) return;
    Object.assign(shown, { code, settings });
    if (image.src.startsWith("blob:")) URL.revokeObjectURL(image.src);
    image.src = picture;
    pager.pages = Number(answer.headers.get("X-Tallyworth-Pages")) || 1;
    image.alt = image.dataset.alt.replace("%1", pager.page).replace("%2", pager.pages)
      .replace("%3", code);
    image.hidden = false;
    showPager();
    // The set of the sheet shown, opened in the browser's own viewer, which prints it.
    byId("print").href = "worksheets.pdf?" + sheetParameters();
    byId("print").hidden = false;
    writeWithCode(byId("preview-code"), byId("preview-code").dataset.text, code);
    await showSheetText(code, asked);
  } catch {
    if (asked === previewsAsked) image.hidden = true;
  }
}

// The problems of the sheet shown, as the text view gives them, for a screen reader.
async function showSheetText(code, asked) {
  const parameters = new URLSearchParams({ code, lang: document.documentElement.lang });
  const answer = await fetch("worksheets.html?" + parameters);
  if (!answer.ok || asked !== previewsAsked) return;
  const sheet = new DOMParser().parseFromString(await answer.text(), "text/html");
  byId("preview-text").replaceChildren(...sheet.querySelectorAll("main > ol"));
  byId("preview-text").dataset.code = code;
}

let previewTimer = 0;
// Draws again once typing pauses, not at every key; a preview under way is out of date.
function previewSoon() {
  ++previewsAsked;
  pager.page = 1;
  clearTimeout(previewTimer);
  previewTimer = setTimeout(updatePreview, 300);
}

// Pages as the PDF brings them: each page object starts "/Type /Page".
function countPages(text) {
  return (text.match(/\/Type\s*\/Page(?![a-zA-Z])/g) || []).length;
}

// A set that fails while it is drawn is cut off before its end, so the browser never takes
// part of one for the whole: the page says so instead of saving it. While it comes the
// button is busy and the pages received are told.
async function fetchSet(parameters) {
  const button = byId("make");
  if (button.getAttribute("aria-busy") === "true") return;
  const label = button.textContent;
  button.setAttribute("aria-busy", "true");
  button.textContent = button.dataset.busy;
  clearFaults();
  say("");
  try {
    const answer = await fetch("worksheets.pdf?" + parameters);
    if (!answer.ok) { await showFaults(answer, true); return; }
    const code = answer.headers.get("X-Tallyworth-Code") || "";
    const reader = answer.body.getReader();
    const chunks = [];
    let pages = 0;
    let tail = "";
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      chunks.push(value);
      const text = tail + new TextDecoder("latin1").decode(value);
      pages += countPages(text) - countPages(tail);
      tail = text.slice(-32);
      say(byId("message").dataset.received.replace("%1", pages));
    }
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob(chunks, { type: "application/pdf" }));
    link.download = "worksheets-" + code + ".pdf";
    document.body.append(link);
    link.click();
    link.remove();
    writeWithCode(byId("message"), byId("message").dataset.made, code);
  } catch {
    say(byId("message").dataset.failed, true);
  } finally {
    button.textContent = label;
    button.removeAttribute("aria-busy");
  }
}

// Sections: each a fieldset made from the page's template, read back as the command line's
// --section text ("kind=missing operation=* first=2-12 ...").
const words = () => document.getElementById("sections").dataset;
const sectionElements = () => [...document.querySelectorAll("#section-list > .section")];
const field = (element, name) => element.querySelector(`[data-field="${name}"]`);
const isDivisionKind = (kind) => kind === "table-division" || kind === "remainder";
const rangeWords = { facts: ["first", "second"], missing: ["first", "second"],
  "table-division": ["quotient", "divisor"], remainder: ["dividend", "divisor"],
  written: ["first", "second"], "written/": ["dividend", "divisor"] };

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
    operation: value("operation"),
    addends: value("addends"),
    carrying: value("carrying"),
    title: field(element, "title").value,
  };
}

// A written section's own fields: its one operation, and what that operation reads.
function writtenFields(section) {
  const { operation } = section;
  const fields = [`operation=${operation}`];
  if (operation === "+") fields.push(`addends=${section.addends}`);
  if (operation === "+" || operation === "-") fields.push(`carrying=${section.carrying}`);
  if (operation === "/") fields.push(`remainders=${section.remainders}`);
  return fields;
}

// rules holds the form's rules as [name, value], a switch's value "1"; a written section
// takes only no-repeats of them.
function sectionText(section, rules) {
  const written = section.kind === "written";
  const fields = [`kind=${section.kind}`];
  if (!written && !isDivisionKind(section.kind)) {
    fields.push("operation=" + (section.operations.length === 4 ? "mix" : section.operations.join(",")));
  }
  fields.push(`first=${section.first.join("-")}`, `second=${section.second.join("-")}`,
              `problems=${section.problems}`);
  if (written) fields.push(...writtenFields(section));
  if (section.kind === "missing") fields.push(`missing=${section.missing}`);
  if (section.kind === "remainder") fields.push(`remainders=${section.remainders}`);
  for (const [name, value] of rules) {
    if (!written || name === "no-repeats") fields.push(value === "1" ? name : `${name}=${value}`);
  }
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

// A written section shows the fields of its one operation only.
function showKind(element) {
  const kind = field(element, "kind").value;
  const operation = field(element, "operation").value;
  const written = kind === "written";
  for (const part of element.querySelectorAll("[data-kinds]")) {
    const operations = part.dataset.operations;
    part.hidden = !part.dataset.kinds.split(" ").includes(kind) ||
      (written && operations !== undefined && !operations.split(" ").includes(operation));
  }
  const ranges = rangeWords[written && operation === "/" ? "written/" : kind];
  element.querySelectorAll(".range > legend").forEach((legend, index) => {
    legend.textContent = words()[ranges[index]];
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
  field(element, "operation").value = operation === "mix" ? "+" : operation;
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
  const settings = byId("settings");
  settings.addEventListener("submit", (event) => {
    event.preventDefault();
    fetchSet(sheetParameters());
  });
  const changed = () => { hiddenChoices(); countSoon(); previewSoon(); };
  settings.addEventListener("input", changed);
  settings.addEventListener("change", changed);
  byId("add-section").addEventListener("click", () => { addSection(); previewSoon(); });
  const list = byId("section-list");
  list.addEventListener("change", (event) => {
    if (["kind", "operation"].includes(event.target.dataset.field)) {
      showKind(event.target.closest(".section"));
    }
  });
  list.addEventListener("click", (event) => {
    const button = event.target.closest("[data-action]");
    if (!button) return;
    const element = button.closest(".section");
    if (button.dataset.action === "remove") removeSection(element);
    else moveSection(element, button);
    previewSoon();
  });
  // Another sheet of the same settings.
  byId("new-problems").addEventListener("click", () => {
    shown.code = "";
    pager.page = 1;
    updatePreview();
  });
  // Another page of the same set: the code stays.
  for (const [id, step] of [["previous-page", -1], ["next-page", 1]]) {
    byId(id).addEventListener("click", () => {
      pager.page += step;
      updatePreview();
    });
  }
  // The same sheets as text, each problem as it is printed: what a screen reader reads.
  byId("as-text").addEventListener("click", () => {
    const parameters = sheetParameters();
    parameters.delete("paper");
    window.location.href = "worksheets.html?" + parameters;
  });
  const bringBack = byId("bring-back");
  bringBack.addEventListener("submit", (event) => {
    event.preventDefault();
    const parameters = query(bringBack);
    for (const [name, value] of setParameters()) {
      if (name !== "lang") parameters.append(name, value);
    }
    fetchSet(parameters);
  });
  hiddenChoices();
  updateCount();
  updatePreview();
});
