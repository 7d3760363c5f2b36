// The practice page: checks the pupil's answers against those the page came with and says
// the score. Nothing is sent and nothing is kept: the page's own words and answers are all
// it reads.
"use strict";

const form = document.getElementById("practice");
const fields = [...form.querySelectorAll("input[data-answer]")];
const problems = [...form.querySelectorAll("li")];
const checkButton = document.getElementById("check");
const score = document.getElementById("score");
const timer = document.getElementById("timer");
const words = form.dataset;
let goesLeft = words.retry === "1" ? 2 : 1;
let stopTimer = () => {};

// What was typed as the answer would be written: the minus sign as a hyphen, a decimal
// comma as a point, no spaces.
function normalised(text) {
  return text.replace(/\s+/g, "").replace(/\u2212/g, "-").replace(",", ".");
}

function isRight(field) {
  const given = normalised(field.value);
  const answer = field.dataset.answer;
  if (given === "") {
    return false;
  }
  return given === answer || (/^[-+]?\d*\.?\d+$/.test(given) && Number(given) === Number(answer));
}

function problemFields(problem) {
  return [...problem.querySelectorAll("input[data-answer]")];
}

// Marks one problem with words, not colour alone, and tells a screen reader which fields
// are wrong; returns whether it is right.
function mark(problem, final) {
  const right = problemFields(problem).every(isRight);
  const shown = problem.querySelector(".mark");
  shown.className = right ? "mark right" : "mark wrong";
  shown.textContent = right ? words.right
    : final ? words.answerIs.replace("%1", problem.dataset.solved) : words.wrong;
  for (const field of problemFields(problem)) {
    field.setAttribute("aria-invalid", right ? "false" : "true");
    field.readOnly = right || final;
  }
  return right;
}

function check(event) {
  event.preventDefault();
  if (goesLeft === 0) {
    return;
  }
  goesLeft -= 1;
  let rightOnes = 0;
  for (const problem of problems) {
    if (mark(problem, goesLeft === 0)) {
      rightOnes += 1;
    }
  }
  score.textContent = words.score.replace("%1", rightOnes).replace("%2", problems.length);
  const wrongField = fields.find((field) => !field.readOnly);
  if (goesLeft > 0 && wrongField) {
    checkButton.textContent = words.again;
    wrongField.focus();
    return;
  }
  goesLeft = 0;
  for (const field of fields) {
    field.readOnly = true;
  }
  stopTimer();
  checkButton.disabled = true;
  score.focus();
}

// Enter goes on to the next field, as Tab does; from the last, to the Check button.
function goOn(event) {
  if (event.key !== "Enter" || event.isComposing) {
    return;
  }
  event.preventDefault();
  const next = fields.slice(fields.indexOf(event.target) + 1).find((field) => !field.readOnly);
  (next ?? checkButton).focus();
}

function clock(seconds) {
  return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, "0")}`;
}

// Shows the time used against the time planned; it never stops the pupil.
function startTimer() {
  const started = Date.now();
  const planned = Number(timer.dataset.minutes) * 60;
  const show = () => {
    const used = Math.floor((Date.now() - started) / 1000);
    timer.textContent = timer.dataset.used.replace("%1", clock(used)).replace("%2", clock(planned));
    timer.classList.toggle("over", used > planned);
  };
  const ticking = setInterval(show, 1000);
  stopTimer = () => {
    clearInterval(ticking);
    show();
  };
}

form.addEventListener("submit", check);
for (const field of fields) {
  field.addEventListener("keydown", goOn);
}
if (fields.length > 0) {
  fields[fields.length - 1].enterKeyHint = "done";
}
if (timer) {
  startTimer();
}
