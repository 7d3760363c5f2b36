// What the browser tests share: the program's server on a free loopback port, and an
// accessibility audit of a page as it stands.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

// Starts `PROGRAM --serve` on 127.0.0.1 with no display; resolves to it and its address.
export function startServer(program, extraArguments = []) {
  const environment = { ...process.env, LANG: "en_US.UTF-8" };
  delete environment.DISPLAY;
  delete environment.WAYLAND_DISPLAY;
  const server = spawn(program, ["--serve", "--listen", "127.0.0.1:0", ...extraArguments],
                       { env: environment, stdio: ["ignore", "pipe", "inherit"] });
  return new Promise((resolve) => {
    server.stdout.once("data", (line) => resolve({ server, url: line.toString().trim() }));
  });
}

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

// Fails with each rule broken and where, as axe-core finds them on the page as it stands.
export async function assertAccessible(page, what) {
  // Evaluated, not added as a script tag: the page's own policy refuses inline scripts.
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(() => globalThis.axe.run());
  const found = violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  assert.deepEqual(found, [], `${what}: accessibility faults`);
}
