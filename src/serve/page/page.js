"use strict";
// The forms ask for worksheets.pdf with the command line's option names; a bad value comes
// back as the program's message, shown in the live region. Every request names the page's
// language, so that its sheets and messages speak it whatever the browser prefers.
const settingNames = ["operation", "lowest", "highest", "problems", "allow-negative",
  "notation", "no-trivial", "fixed", "regrouping", "no-repeats"];

function query(form, names) {
  const parameters = new URLSearchParams();
  for (const [name, value] of new FormData(form)) {
    if (value !== "" && (!names || names.includes(name))) parameters.append(name, value);
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

async function updateCount() {
  const form = document.getElementById("settings");
  const answer = await fetch("count?" + query(form, settingNames));
  const count = document.getElementById("count");
  count.textContent = answer.ok ? count.dataset.text.replace("%1", (await answer.text()).trim())
                                : "";
}

document.addEventListener("DOMContentLoaded", () => {
  const settings = document.getElementById("settings");
  settings.addEventListener("submit", (event) => {
    event.preventDefault();
    const parameters = query(settings);
    if (!document.getElementById("header").checked) parameters.append("no-header", "1");
    fetchSet(parameters);
  });
  settings.addEventListener("change", updateCount);
  // The same sheets as text, each problem as it is printed: what a screen reader reads.
  document.getElementById("as-text").addEventListener("click", () => {
    const parameters = query(settings);
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
