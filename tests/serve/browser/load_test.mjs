// A bounded load on loopback: 30 class sets of 30 sheets with keys asked at once all come
// whole; then 200 requests at once, against one set drawn at a time and 8 waiting, get each
// a whole set or 503 with Retry-After, and the servers still answer and stop cleanly.
// Run: node load_test.mjs PROGRAM
import assert from "node:assert/strict";
import { spawn } from "node:child_process";

const program = process.argv[2];
const environment = { ...process.env, LANG: "en_US.UTF-8" };
delete environment.DISPLAY;

async function startServer(options) {
  const server = spawn(program, ["--serve", "--listen", "127.0.0.1:0", ...options],
                       { env: environment, stdio: ["ignore", "pipe", "ignore"] });
  const url = await new Promise((resolve) => {
    server.stdout.once("data", (line) => resolve(line.toString().trim()));
  });
  return { server, url };
}

async function stopServer({ server, url }) {
  assert.equal(await (await fetch(url + "health")).text(), "ok\n");
  server.kill("SIGTERM");
  const status = await new Promise((resolve) => server.on("exit", (code) => resolve(code)));
  assert.equal(status, 0, "the server stops cleanly on SIGTERM");
}

async function ask(url, query) {
  const answer = await fetch(url + "worksheets.pdf?" + query);
  const body = Buffer.from(await answer.arrayBuffer());
  return { status: answer.status, headers: answer.headers, body };
}

function assertWholePdf({ status, headers, body }) {
  assert.equal(status, 200);
  assert.equal(body.subarray(0, 5).toString(), "%PDF-");
  assert.match(body.subarray(-8).toString(), /%%EOF\s*$/);
  assert.ok(body.includes(headers.get("x-tallyworth-code")), "the code is in the keywords");
}

const roomy = await startServer([]);
let started = Date.now();
const class30 = await Promise.all(Array.from({ length: 30 },
  () => ask(roomy.url, "operation=x&highest=12&sheets=30&answers=each")));
class30.forEach(assertWholePdf);
assert.equal(new Set(class30.map((set) => set.headers.get("x-tallyworth-code"))).size, 30);
console.log(`30 sets of 30 sheets with keys at once: ${Date.now() - started} ms`);
await stopServer(roomy);

const narrow = await startServer(["--sets", "1", "--queue", "8"]);
started = Date.now();
const crowd = await Promise.all(Array.from({ length: 200 }, () => ask(narrow.url, "sheets=5")));
const busy = crowd.filter((set) => set.status === 503);
crowd.filter((set) => set.status !== 503).forEach(assertWholePdf);
busy.forEach((set) => assert.ok(Number(set.headers.get("retry-after")) > 0));
assert.ok(busy.length > 0 && busy.length < 200, "some wait, the rest are turned away");
console.log(`200 requests at once, 1 drawn and 8 waiting: ${crowd.length - busy.length} sets, `
            + `${busy.length} busy, ${Date.now() - started} ms`);
await stopServer(narrow);
