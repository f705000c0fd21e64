// The page's size and start-up time, run by hand on a built site:
//   node bench/page_budget.mjs SITE_DIR [--sizes-only] [--loads N]
// (SITE_DIR is <build>/web/site; the single file is read beside it, <build>/web/tarvola.html.)
// Sizes: each file a first visit fetches, raw and gzip -9, and their compressed total against
// the budget; exits 1 when the total is over it. Time: navigation start to the frame that draws
// the first refreshed result, in headless Chromium, each load a first visit, beside the same
// window built by a stand-in for the module that loads no WebAssembly; and the time one tick of
// Timer1 takes (the refresh cycle over the page's six fields). Needs puppeteer-core
// from tests/web (cd tests/web && npm ci) for the times only.
import { createRequire } from "node:module";
import { cp, mkdtemp, readFile, readdir, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { parseArgs } from "node:util";
import { gzipSync } from "node:zlib";
import { serve } from "../web/serve.mjs";

const BUDGET_BYTES = 100 * 1024;

const { values: flags, positionals } = parseArgs({
    allowPositionals: true,
    options: { "sizes-only": { type: "boolean" }, loads: { type: "string", default: "10" } },
});
if (positionals.length !== 1) {
    console.error("usage: node bench/page_budget.mjs SITE_DIR [--sizes-only] [--loads N]");
    process.exit(2);
}
const site = resolve(positionals[0]);
const singleFile = join(dirname(site), "tarvola.html");

// Why a first visit fetches each file: the page itself, About's pictures, the icons the page
// and its manifest name, and the service worker, which then keeps every file of the site (so a
// file of the site that none of these names is fetched all the same, and counted).
const ROLES = {
    "index.html": "page", "tarvola.js": "page", "tarvola.css": "page", "tarvola_module.js": "page",
    "tarvola_module.wasm": "page", "tarvola.png": "About", "tarvola_96.png": "About, manifest",
    "donation.png": "About", "donation_2x.png": "About", "mail_32.png": "About",
    "mail_64.png": "About", "site_banner.png": "About", "site_banner_2x.png": "About",
    "hand.cur": "About", "manifest.webmanifest": "page", "service_worker.js": "page",
    "tarvola_32.png": "icon", "tarvola.svg": "icon, manifest", "tarvola_192.png": "icon, manifest",
    "tarvola_512.png": "manifest",
};

// Raw and gzip -9 sizes of a file's bytes.
function sizesOf(bytes) {
    return { raw: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length };
}

const kb = (bytes) => (bytes / 1024).toFixed(1);

// Prints each file of the site with its sizes and the compressed total against the budget;
// returns whether the total is within it. A file the roles do not name is counted all the same.
async function reportSizes() {
    const names = (await readdir(site)).sort();
    const rows = [];
    for (const name of names)
        rows.push({ name, role: ROLES[name] || "kept by the service worker", ...sizesOf(await readFile(join(site, name))) });
    for (const name of Object.keys(ROLES).filter((name) => !names.includes(name)))
        console.warn(`warning: ${name} is not in the site`);
    const total = rows.reduce((sum, row) => ({ raw: sum.raw + row.raw, gzip: sum.gzip + row.gzip }), { raw: 0, gzip: 0 });
    const line = (name, role, raw, gzip) =>
        console.log(`${name.padEnd(22)} ${role.padEnd(16)} ${String(raw).padStart(9)} ${String(gzip).padStart(9)}`);
    line("file", "fetched for", "raw", "gzip -9");
    for (const row of rows)
        line(row.name, row.role, row.raw, row.gzip);
    line("total", `${rows.length} files`, total.raw, total.gzip);
    const within = total.gzip <= BUDGET_BYTES;
    console.log(`compressed total ${kb(total.gzip)} KB of a ${kb(BUDGET_BYTES)} KB budget: ${within ? "within" : "OVER"}`);
    try {
        const single = sizesOf(await readFile(singleFile));
        console.log(`tarvola.html (single file): ${single.raw} bytes raw, ${single.gzip} gzip -9`);
    } catch {
        console.log(`tarvola.html not found at ${singleFile}`);
    }
    return within;
}

// Runs in the page before its own scripts: keeps the service worker from registering, so that
// every load is a first visit, and records when the frame that draws "0" in Text4 has been
// painted (the task after that frame's animation callbacks) and the first contentful paint.
function watchFirstResult() {
    ServiceWorkerContainer.prototype.register = () => Promise.reject(new Error("no service worker in the benchmark"));
    const afterThisFrame = (record) => {
        const channel = new MessageChannel();
        channel.port1.onmessage = record;
        channel.port2.postMessage(null);
    };
    const poll = () => {
        if (document.getElementById("Text4")?.value === "0")
            afterThisFrame(() => { window.tarvolaFirstResultMs = performance.now(); });
        else
            requestAnimationFrame(poll);
    };
    requestAnimationFrame(poll);
}

// Opens `address` in a fresh browser context with the cache off; resolves to the times from
// navigation start, in ms, to the first result drawn and to the first contentful paint.
async function loadOnce(browser, address) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.setCacheEnabled(false);
        await page.setBypassServiceWorker(true);
        await page.evaluateOnNewDocument(watchFirstResult);
        await page.goto(address);
        await page.waitForFunction(() => window.tarvolaFirstResultMs !== undefined, { timeout: 10000 });
        return await page.evaluate(() => ({
            result: window.tarvolaFirstResultMs,
            paint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime,
        }));
    } finally {
        await context.close();
    }
}

// What the module gives the page at its start, read from a loaded page: the window's facts,
// each field's text before the first refresh and after it.
async function readModuleAnswers(browser, address) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.goto(address);
        await page.waitForFunction(() => document.getElementById("Text4")?.value === "0", { timeout: 10000 });
        return await page.evaluate(async () => {
            // A second module, over fields in memory, under the browser's separators.
            const module = await createTarvolaModule({ locateFile: (file) => file });
            const facts = module.cwrap("tarvola_window_facts", "string", [])();
            const parts = new Intl.NumberFormat(navigator.languages).formatToParts(12345.5);
            const partOf = (type) => (parts.find((part) => part.type === type) || { value: "" }).value;
            module.cwrap("tarvola_set_separators", null, ["string", "string"])(partOf("decimal"), partOf("group"));
            module.editFields = JSON.parse(facts).form.fields.map(() => ({ text: "", write(text) { this.text = text; } }));
            module.cwrap("tarvola_write_default_texts", null, [])();
            const before = module.editFields.map((field) => field.text);
            return { facts, before, after: Tarvola.form.fields.map((field) => field.input.value) };
        });
    } finally {
        await context.close();
    }
}

// A copy of the site whose module is a stand-in in plain JavaScript: it gives back the answers
// read from the real one and loads no WebAssembly, so the same window is built and shows the
// same first results. Returns the copy's folder.
async function siteWithoutModule(answers) {
    const copy = await mkdtemp(join(tmpdir(), "tarvola-no-module-"));
    await cp(site, copy, { recursive: true });
    await rm(join(copy, "tarvola_module.wasm"));
    const standIn = `"use strict";
// Stand-in for the module: the answers of the real one at start-up, no WebAssembly.
var createTarvolaModule = () => {
    const answers = ${JSON.stringify(answers)};
    const module = {};
    const writeAll = (texts) => module.editFields.forEach((field, index) => field.write(texts[index]));
    const calls = {
        tarvola_window_facts: () => answers.facts,
        tarvola_write_default_texts: () => writeAll(answers.before),
        tarvola_refresh_tick: () => writeAll(answers.after),
    };
    module.cwrap = (name) => calls[name] || (() => 0);
    return Promise.resolve(module);
};
`;
    await writeFile(join(copy, "tarvola_module.js"), standIn);
    return copy;
}

// The time one refresh tick takes on the page at `address`, in µs: Timer1's tick run in batches
// of 200 over converting inputs (results unchanged after the first, as while a user reads),
// 60 batches after 500 ticks not counted. Resolves to the batches' median, least and greatest.
async function measureTick(browser, address) {
    const page = await browser.newPage();
    try {
        await page.goto(address);
        await page.waitForFunction(() => document.getElementById("Text4")?.value === "0", { timeout: 10000 });
        return await page.evaluate(() => {
            const timer = Tarvola.form.Timer1;
            timer.stop();
            for (const [id, text] of [["Text1", "45"], ["Text2", "30"], ["Text3", "45"], ["Text5", "12.5825"]])
                document.getElementById(id).value = text;
            for (let i = 0; i < 500; ++i)
                timer.tick();
            const perTick = [];
            for (let batch = 0; batch < 60; ++batch) {
                const start = performance.now();
                for (let i = 0; i < 200; ++i)
                    timer.tick();
                perTick.push((performance.now() - start) * 1000 / 200);
            }
            perTick.sort((a, b) => a - b);
            return { median: (perTick[29] + perTick[30]) / 2, min: perTick[0], max: perTick[59] };
        });
    } finally {
        await page.close();
    }
}

// Median, least and greatest of a list of numbers.
function summary(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    const median = sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    return { median, min: sorted[0], max: sorted[sorted.length - 1] };
}

// Loads the page and its copy without the module in turn, `loads` times each after one load of
// each not counted, and prints the times.
async function reportTimes(loads) {
    const require = createRequire(new URL("../tests/web/package.json", import.meta.url));
    let puppeteer;
    try {
        puppeteer = require("puppeteer-core");
    } catch {
        console.log("times: puppeteer-core is missing (cd tests/web && npm ci)");
        return;
    }
    const browser = await puppeteer.launch({
        browser: "chrome", executablePath: "/usr/bin/chromium", headless: true, args: ["--no-sandbox"],
    });
    const servers = [];
    let copy;
    try {
        const withModule = await serve(site);
        servers.push(withModule);
        const address = (server) => `http://127.0.0.1:${server.address().port}/`;
        copy = await siteWithoutModule(await readModuleAnswers(browser, address(withModule)));
        const withoutModule = await serve(copy);
        servers.push(withoutModule);

        const times = { with: [], without: [] };
        for (let round = 0; round <= loads; round++) {
            const one = await loadOnce(browser, address(withModule));
            const other = await loadOnce(browser, address(withoutModule));
            if (round > 0) {
                times.with.push(one);
                times.without.push(other);
            }
        }
        const format = (list) => {
            const { median, min, max } = summary(list);
            return `${median.toFixed(0)} (${min.toFixed(0)} to ${max.toFixed(0)})`.padEnd(24);
        };
        console.log(`\nms from navigation start, median (least to most) of ${loads} first visits in headless Chromium`);
        console.log(`${"".padEnd(30)} ${"first contentful paint".padEnd(24)} first result drawn`);
        for (const [name, list] of [["with the module", times.with], ["stand-in without the module", times.without]])
            console.log(`${name.padEnd(30)} ${format(list.map((t) => t.paint))} ${format(list.map((t) => t.result))}`.trimEnd());
        console.log("(the first result is written one refresh interval, 100 ms, after the window is built)");
        const tick = await measureTick(browser, address(withModule));
        console.log(`\none refresh tick: median ${tick.median.toFixed(1)} µs (batches ${tick.min.toFixed(1)} to ${tick.max.toFixed(1)})`);
    } finally {
        await browser.close();
        for (const server of servers)
            server.close();
        if (copy)
            await rm(copy, { recursive: true, force: true });
    }
}

const within = await reportSizes();
if (!flags["sizes-only"])
    await reportTimes(Number(flags.loads));
process.exit(within ? 0 : 1);
