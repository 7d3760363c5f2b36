// A bounded load on loopback: 30 class sets of 30 sheets with keys asked at once all come
// whole; then 200 requests at once, against one set drawn at a time and 8 waiting, get each
// a whole set or 503 with Retry-After; then, while 2 clients that barely read hold 500-sheet
// sets, 300 connections send their headers a line a second and 16 large sets wait, all from
// 127.0.0.1, a teacher at 127.0.0.2 gets /health and a sheet within a second, and every
// dribbling connection is cut off or refused. The servers still answer and stop cleanly.
// Run: node load_test.mjs PROGRAM
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import http from "node:http";
import net from "node:net";

const program = process.argv[2];
const environment = { ...process.env, LANG: "en_US.UTF-8" };
delete environment.DISPLAY;

async function startServer(options) {
  const server = spawn(program, ["--serve", "--listen", "127.0.0.1:0", ...options],
                       { env: environment, stdio: ["ignore", "pipe", "ignore"] });
  const url = await new Promise((resolve, reject) => {
    server.stdout.once("data", (line) => resolve(line.toString().trim()));
    server.once("exit", (code) => reject(new Error(`the server ended with ${code}`)));
  });
  return { server, url, port: Number(new URL(url).port) };
}

async function stopServer({ server, port }, from = "127.0.0.1") {
  assert.equal((await getFrom(from, port, "/health")).body.toString(), "ok\n");
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

// A GET from a loopback address of our choosing; the whole body, as the teacher's browser.
function getFrom(localAddress, port, path) {
  return new Promise((resolve, reject) => {
    http.get({ host: "127.0.0.1", port, path, localAddress, agent: false }, (answer) => {
      const chunks = [];
      answer.on("data", (chunk) => chunks.push(chunk));
      answer.on("end", () => resolve({ status: answer.statusCode, headers: answer.headers,
                                       body: Buffer.concat(chunks) }));
    }).on("error", reject);
  });
}

// A raw connection from 127.0.0.1 that sends a request head and then reads as it is told.
function connect(port, head, onData) {
  const socket = net.connect({ host: "127.0.0.1", port, localAddress: "127.0.0.1" });
  socket.on("connect", () => socket.write(head));
  socket.on("data", (chunk) => onData(socket, chunk));
  socket.on("error", () => {});
  return socket;
}

// Reads a chunk a second of a 500-sheet set; resolves started at its first bytes.
function slowReader(port) {
  let started;
  const first = new Promise((resolve) => { started = resolve; });
  const socket = connect(port, "GET /worksheets.pdf?sheets=500&answers=each HTTP/1.1\r\n"
                               + "Host: a\r\n\r\n", (reader) => {
    started();
    reader.pause();
    setTimeout(() => reader.resume(), 1000);
  });
  return { socket, first };
}

// Sends a header line a second, 40 at most; resolves how it ended: "closed" when the
// server closed it first (refused at once, or cut off), "outlasted" when it never did.
function dribbler(port) {
  let lines = 0;
  let third;
  const thirdLine = new Promise((resolve) => { third = resolve; });
  const socket = connect(port, "GET /health HTTP/1.1\r\nHost: a\r\n", () => {});
  const ended = new Promise((resolve) => {
    const timer = setInterval(() => {
      if (++lines > 40) {
        clearInterval(timer);
        socket.destroy();
        resolve("outlasted");
        return;
      }
      socket.write(`X-Line-${lines}: 1\r\n`);
      if (lines === 3) third();
    }, 1000);
    socket.on("close", () => { clearInterval(timer); third(); resolve("closed"); });
  });
  return { thirdLine, ended };
}

const roomy = await startServer(["--per-client", "1000"]);
let started = Date.now();
const class30 = await Promise.all(Array.from({ length: 30 },
  () => ask(roomy.url, "operation=x&highest=12&sheets=30&answers=each")));
class30.forEach(assertWholePdf);
assert.equal(new Set(class30.map((set) => set.headers.get("x-tallyworth-code"))).size, 30);
console.log(`30 sets of 30 sheets with keys at once: ${Date.now() - started} ms`);
await stopServer(roomy);

const narrow = await startServer(["--sets", "1", "--queue", "8", "--per-client", "1000"]);
started = Date.now();
const crowd = await Promise.all(Array.from({ length: 200 }, () => ask(narrow.url, "sheets=5")));
const busy = crowd.filter((set) => set.status === 503);
crowd.filter((set) => set.status !== 503).forEach(assertWholePdf);
busy.forEach((set) => assert.ok(Number(set.headers.get("retry-after")) > 0));
assert.ok(busy.length > 0 && busy.length < 200, "some wait, the rest are turned away");
console.log(`200 requests at once, 1 drawn and 8 waiting: ${crowd.length - busy.length} sets, `
            + `${busy.length} busy, ${Date.now() - started} ms`);
await stopServer(narrow);

// One turn to draw, which the teacher's sheet and the large sets share page by page.
const besieged = await startServer(["--sets", "1", "--per-client", "32"]);
const readers = [slowReader(besieged.port), slowReader(besieged.port)];
await Promise.all(readers.map((reader) => reader.first));
const large = Array.from({ length: 16 }, () => connect(besieged.port,
  "GET /worksheets.pdf?sheets=200&answers=each HTTP/1.1\r\nHost: a\r\n\r\n", () => {}));
const dribblers = Array.from({ length: 300 }, () => dribbler(besieged.port));
await Promise.all(dribblers.map((dribbling) => dribbling.thirdLine));
started = Date.now();
const [health, sheet] = await Promise.all([
  getFrom("127.0.0.2", besieged.port, "/health"),
  getFrom("127.0.0.2", besieged.port, "/worksheets.pdf?sheets=1"),
]);
const teacherWaited = Date.now() - started;
assert.equal(health.body.toString(), "ok\n");
assertWholePdf({ ...sheet, headers: new Headers(sheet.headers) });
assert.ok(teacherWaited < 1000, `the teacher waited ${teacherWaited} ms`);
const endings = await Promise.all(dribblers.map((dribbling) => dribbling.ended));
assert.equal(endings.filter((ending) => ending === "outlasted").length, 0,
             "every dribbling connection is refused or cut off");
console.log(`/health and a sheet beside 2 stalled readers, 300 dribblers and 16 large sets: `
            + `${teacherWaited} ms`);
[...large, ...readers.map((reader) => reader.socket)].forEach((socket) => socket.destroy());
await stopServer(besieged, "127.0.0.2");
