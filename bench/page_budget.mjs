// The page's size and start-up time, run by hand on a built site:
//   node bench/page_budget.mjs SITE_DIR [--sizes-only] [--loads N]
// (SITE_DIR is <build>/web/site; the single file is read beside it, <build>/web/tarvola.html.)
// Sizes: each file a first visit fetches, raw and gzip -9, and their compressed total against
// the budget; exits 1 when the total is over it. Time, in headless Chromium, each load a first
// visit in a fresh browser context: a bare page (one input, one output, one external script that
// writes the output at once) served beside the site by the same server, whose output drawn is
// the least any page can do; then the site, the single file (served alone) and a copy of the
// site whose module is a stand-in that loads no WebAssembly, each with its files all in, its
// window drawn and its first result drawn; and the time one tick of Timer1 takes (the refresh
// cycle over the page's six fields). Needs puppeteer-core from tests/web (cd tests/web && npm ci)
// for the times only.
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
    "index.html": "page", "tarvola.js": "page", "tarvola_module.js": "page",
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
// every load is a first visit, and records when the frame that first showed each of these had
// been painted: the main window shown whole, its six fields with their first texts (or the bare
// page's output), and "0" in Text4, the first result. A frame's time is taken in the task after
// it, which comes later by whatever task was waiting; when the window (or the output) is in the
// page's first frame with any content, the browser's first contentful paint says when that frame
// was shown, and is taken instead. Also gives when the last of the page's files had arrived.
function watchStart() {
    ServiceWorkerContainer.prototype.register = () => Promise.reject(new Error("no service worker in the benchmark"));
    window.tarvolaDrawn = {};
    window.tarvolaWindowIsFirstContent = false;
    let contentShownBefore = false; // a frame showed part of the page before the window whole
    const shown = {
        window: () => {
            const main = document.querySelector(".main-window");
            return main ? main.checkVisibility({ visibilityProperty: true })
                && [1, 2, 3, 4, 5, 6].every((n) => document.getElementById(`Text${n}`).value !== "")
                : Boolean(document.getElementById("output")?.value);
        },
        result: () => document.getElementById("Text4")?.value === "0" || Boolean(document.getElementById("output")?.value),
    };
    const afterThisFrame = (record) => {
        const channel = new MessageChannel();
        channel.port1.onmessage = record;
        channel.port2.postMessage(null);
    };
    const poll = () => {
        for (const [what, isShown] of Object.entries(shown)) {
            if (!(what in window.tarvolaDrawn) && isShown()) {
                window.tarvolaDrawn[what] = null;
                if (what === "window")
                    window.tarvolaWindowIsFirstContent = !contentShownBefore;
                afterThisFrame(() => { window.tarvolaDrawn[what] = performance.now(); });
            }
        }
        const content = document.querySelector(".main-window, #input");
        if (!("window" in window.tarvolaDrawn) && content && content.checkVisibility({ visibilityProperty: true }))
            contentShownBefore = true;
        if (Object.keys(window.tarvolaDrawn).length < Object.keys(shown).length)
            requestAnimationFrame(poll);
    };
    requestAnimationFrame(poll);
}

// Opens `address` in a fresh browser context with the cache off; resolves to the times from
// navigation start, in ms: the first contentful paint, the last of the page's files in (the
// tab's icon aside), the window whole (or the bare page's output) drawn and the first result
// drawn.
async function loadOnce(browser, address) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.setCacheEnabled(false);
        await page.setBypassServiceWorker(true);
        await page.evaluateOnNewDocument(watchStart);
        await page.goto(address);
        await page.waitForFunction(() => Number.isFinite(window.tarvolaDrawn.result), { timeout: 10000 });
        return await page.evaluate(() => ({
            paint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime,
            files: Math.max(...performance.getEntriesByType("navigation").concat(performance.getEntriesByType("resource"))
                .filter((entry) => !/\.(png|svg)(\?|$)/.test(entry.name)) // the tab's icon
                .map((entry) => entry.responseEnd)),
            window: window.tarvolaWindowIsFirstContent
                ? performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? window.tarvolaDrawn.window
                : window.tarvolaDrawn.window,
            result: window.tarvolaDrawn.result,
        }));
    } finally {
        await context.close();
    }
}

// The bare page: one input, one output and one external script that writes the output at once.
const BARE_PAGE = `<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Bare page</title></head>
<body><input id="input" value="12.5825"> <output id="output" for="input"></output>
<script src="bare_page.js"></script></body></html>
`;
const BARE_SCRIPT = `document.getElementById("output").value = document.getElementById("input").value;\n`;

// What the module gives the page at its start, read from a loaded page: each field's text
// before the first refresh and after it.
async function readModuleAnswers(browser, address) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        await page.goto(address);
        await page.waitForFunction(() => document.getElementById("Text4")?.value === "0", { timeout: 10000 });
        return await page.evaluate(async () => {
            // A second module, over fields in memory, under the browser's separators.
            const module = await createTarvolaModule({ locateFile: (file) => file });
            const facts = document.getElementById("tarvola-facts").textContent;
            const parts = new Intl.NumberFormat(navigator.languages).formatToParts(12345.5);
            const partOf = (type) => (parts.find((part) => part.type === type) || { value: "" }).value;
            module.cwrap("tarvola_set_separators", null, ["string", "string"])(partOf("decimal"), partOf("group"));
            module.editFields = JSON.parse(facts).form.fields.map(() => ({ text: "", write(text) { this.text = text; } }));
            module.cwrap("tarvola_write_default_texts", null, [])();
            const before = module.editFields.map((field) => field.text);
            return { before, after: Tarvola.form.fields.map((field) => field.input.value) };
        });
    } finally {
        await context.close();
    }
}

// A copy of the site whose module is a stand-in in plain JavaScript: it gives back the answers
// read from the real one and loads no WebAssembly (the head's request for the .wasm finds
// nothing), so the same window is built and shows the same first results. Returns the copy's
// folder.
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

// Loads the bare page, the site, the single file and the site's copy without the module in
// turn, `loads` times each after one load of each not counted, and prints the times.
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
    const copies = [];
    const served = async (folder) => {
        const server = await serve(folder);
        servers.push(server);
        return `http://127.0.0.1:${server.address().port}/`;
    };
    try {
        // The site with the bare page beside it, on one server.
        const withBare = await mkdtemp(join(tmpdir(), "tarvola-site-"));
        copies.push(withBare);
        await cp(site, withBare, { recursive: true });
        await writeFile(join(withBare, "bare_page.html"), BARE_PAGE);
        await writeFile(join(withBare, "bare_page.js"), BARE_SCRIPT);
        const siteAddress = await served(withBare);
        // The single file alone, as its index.html: the server sends the policy it states.
        const single = await mkdtemp(join(tmpdir(), "tarvola-single-"));
        copies.push(single);
        await cp(singleFile, join(single, "index.html"));
        const singleAddress = await served(single);
        const copy = await siteWithoutModule(await readModuleAnswers(browser, siteAddress));
        copies.push(copy);
        const standInAddress = await served(copy);

        const pages = [
            ["bare page (its output)", `${siteAddress}bare_page.html`],
            ["site", siteAddress],
            ["single file", singleAddress],
            ["site, stand-in without the module", standInAddress],
        ];
        const times = pages.map(() => []);
        for (let round = 0; round <= loads; round++) {
            for (const [index, [, address]] of pages.entries()) {
                const one = await loadOnce(browser, address);
                if (round > 0)
                    times[index].push(one);
            }
        }
        const format = (list) => {
            const { median, min, max } = summary(list);
            return `${median.toFixed(0)} (${min.toFixed(0)} to ${max.toFixed(0)})`.padEnd(20);
        };
        const bare = summary(times[0].map((t) => t.window)).median;
        console.log(`\nms from navigation start, median (least to most) of ${loads} first visits in headless Chromium`);
        console.log(`${"".padEnd(34)} ${"files all in".padEnd(20)} ${"window drawn".padEnd(20)} ${"first result drawn".padEnd(20)} window / bare`);
        for (const [index, [name]] of pages.entries()) {
            const list = times[index];
            const ratio = summary(list.map((t) => t.window)).median / bare;
            console.log(`${name.padEnd(34)} ${format(list.map((t) => t.files))} ${format(list.map((t) => t.window))} `
                + `${index ? format(list.map((t) => t.result)) : "".padEnd(20)} ${ratio.toFixed(2)}`);
        }
        console.log("(Timer1's first tick, which writes the first result, comes one refresh interval, 100 ms,"
            + " after the window was made, as the page was read, or at once if the module came later; the bare"
            + " page's output is its window and its result)");
        const tick = await measureTick(browser, siteAddress);
        console.log(`\none refresh tick: median ${tick.median.toFixed(1)} µs (batches ${tick.min.toFixed(1)} to ${tick.max.toFixed(1)})`);
    } finally {
        await browser.close();
        for (const server of servers)
            server.close();
        for (const folder of copies)
            await rm(folder, { recursive: true, force: true });
    }
}

const within = await reportSizes();
if (!flags["sizes-only"])
    await reportTimes(Number(flags.loads));
process.exit(within ? 0 : 1);
