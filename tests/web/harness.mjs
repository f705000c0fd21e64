// What the page's browser tests share: the command line, the site served on the loopback, the
// two browsers from Debian driven by puppeteer-core, and a tally of failed checks.
// A test file is run as:
//   node FILE.mjs --browser chromium|firefox --site DIR --single-file FILE [--caption TEXT] [--shots DIR]
// where a test that takes screenshots saves them in --shots. Fields are driven the same way in
// both browsers: a real click, then Control+A and keys. (A triple click selects nothing in
// Firefox under WebDriver BiDi, and typing into a full field is then refused.)
import puppeteer from "puppeteer-core";
import { createServer, request as httpRequest } from "node:http";
import { parseArgs } from "node:util";
import { inflateSync } from "node:zlib";
import { serve } from "../../web/serve.mjs";

export const options = parseArgs({
    options: {
        browser: { type: "string" },
        site: { type: "string" },
        "single-file": { type: "string" },
        shots: { type: "string" },
        caption: { type: "string" },
    },
}).values;

const BROWSERS = {
    chromium: { browser: "chrome", executablePath: "/usr/bin/chromium" },
    firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr" },
};

// Starts the browser named on the command line with `language` (a BCP 47 tag such as "de-DE")
// as the user's language: the one navigator.languages gives first. `settings` adds Firefox
// preferences (firefoxPrefs) or Chromium switches (chromiumArgs) for what a page cannot emulate.
export async function launch(language = "en-US", settings = {}) {
    const choice = BROWSERS[options.browser];
    if (!choice)
        throw new Error(`--browser must be one of ${Object.keys(BROWSERS).join(", ")}`);
    if (choice.browser === "chrome") {
        return puppeteer.launch({
            ...choice,
            headless: true,
            // The tests run as any user, root included, where Chromium's sandbox cannot start.
            // No host name resolves but the loopback's, so a link the page opens in a real tab
            // never leaves the machine.
            args: ["--no-sandbox", `--lang=${language}`, `--accept-lang=${language}`,
                   "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1", ...(settings.chromiumArgs || [])],
        });
    }
    return puppeteer.launch({
        ...choice,
        headless: true,
        extraPrefsFirefox: { "intl.accept_languages": language, "intl.locale.requested": language,
                             ...settings.firefoxPrefs },
    });
}

// Lets the page at `address` (its origin) write to and read the clipboard without asking:
// Chromium asks, Firefox lets a page that has just been clicked or typed into write.
export async function allowClipboard(browser, address) {
    if (options.browser === "chromium")
        await browser.defaultBrowserContext().overridePermissions(new URL(address).origin,
            ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
}

// Serves the built site on 127.0.0.1; the address ends in "/".
export async function serveSite({ pageCutBefore = null, pause = 400 } = {}) {
    const server = await serve(options.site);
    if (!pageCutBefore)
        return { server, address: `http://127.0.0.1:${server.address().port}/` };
    // With `pageCutBefore`, the page comes in two pieces, as over a slow link: up to the first
    // place that text is in it, then the rest `pause` ms later. The other files come whole.
    const front = createServer((request, response) => {
        const upstream = httpRequest({ host: "127.0.0.1", port: server.address().port, path: request.url,
                                       method: request.method, headers: request.headers }, (answer) => {
            const chunks = [];
            answer.on("data", (chunk) => chunks.push(chunk));
            answer.on("end", () => {
                const body = Buffer.concat(chunks);
                const headers = { ...answer.headers };
                delete headers["content-length"];
                delete headers["transfer-encoding"];
                response.writeHead(answer.statusCode, headers);
                const cut = /^\/(index\.html)?(\?|$)/.test(request.url) ? body.indexOf(pageCutBefore) : -1;
                if (cut <= 0)
                    return response.end(body);
                response.write(body.subarray(0, cut));
                setTimeout(() => response.end(body.subarray(cut)), pause);
            });
        });
        upstream.on("error", () => response.writeHead(502).end());
        request.pipe(upstream);
    });
    await new Promise((resolve) => front.listen(0, "127.0.0.1", resolve));
    return { server: { close: () => { front.close(); server.close(); } }, address: `http://127.0.0.1:${front.address().port}/` };
}

// Waits until `predicate(arg)`, run in the page, is true; rejects after `timeout` ms. It asks
// the page again and again rather than using waitForFunction, whose polling in Firefox (WebDriver
// BiDi) goes through Function(), which the page's Content-Security-Policy refuses. An answer
// lost to a navigation or reload is asked again.
export async function waitFor(page, predicate, arg, timeout = 10000) {
    const end = Date.now() + timeout;
    for (;;) {
        if (await page.evaluate(predicate, arg).catch(() => false))
            return;
        if (Date.now() > end)
            throw new Error(`waited ${timeout} ms in vain for ${predicate}`);
        await new Promise((resolve) => setTimeout(resolve, 25));
    }
}

// Opens the page at `address` and waits until the first refresh has written the results;
// `prepare(page)`, when given, runs first (a viewport, a script for every new document).
export async function openPage(browser, address, prepare) {
    const page = await browser.newPage();
    if (prepare)
        await prepare(page);
    await page.goto(address);
    await waitFor(page, () => document.getElementById("Text4")?.value === "0");
    return page;
}

// A screenshot's pixels: 8-bit RGB or RGBA PNG without interlacing, which is what both browsers
// write. Gives { width, height, rgb(x, y) } with rgb an [red, green, blue] array.
export function decodePng(png) {
    let offset = 8;
    let width = 0, height = 0, channels = 0;
    const compressed = [];
    while (offset < png.length) {
        const length = png.readUInt32BE(offset);
        const type = png.toString("latin1", offset + 4, offset + 8);
        const data = png.subarray(offset + 8, offset + 8 + length);
        if (type === "IHDR") {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            channels = { 2: 3, 6: 4 }[data[9]];
            if (data[8] !== 8 || !channels || data[12] !== 0)
                throw new Error("a PNG of a kind the tests do not read");
        } else if (type === "IDAT") {
            compressed.push(data);
        }
        offset += length + 12;
    }
    const raw = inflateSync(Buffer.concat(compressed));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let i = 0; i < stride; ++i) {
            const value = raw[y * (stride + 1) + 1 + i];
            const left = i >= channels ? pixels[y * stride + i - channels] : 0;
            const up = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const upLeft = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
            const paeth = () => {
                const p = left + up - upLeft;
                const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
                return a <= b && a <= c ? left : b <= c ? up : upLeft;
            };
            const predicted = [0, left, up, (left + up) >> 1, 0][filter] ?? 0;
            pixels[y * stride + i] = (value + (filter === 4 ? paeth() : predicted)) & 255;
        }
    }
    return {
        width, height,
        rgb: (x, y) => Array.from(pixels.subarray((y * width + x) * channels, (y * width + x) * channels + 3)),
    };
}

// Presses `key` with Control held, as a shortcut (Control+A, Control+C, Control+V).
export async function pressControl(page, key) {
    await page.keyboard.down("Control");
    await page.keyboard.press(key);
    await page.keyboard.up("Control");
}

// Clicks the field (#id) and selects all of its text with the keyboard.
export async function selectField(page, id) {
    await page.click(`#${id}`);
    await pressControl(page, "a");
}

// Types `text` into the field over what it held, key by key, as a user clears it and types.
export async function typeInto(page, id, text) {
    await selectField(page, id);
    await page.keyboard.press("Backspace");
    await page.keyboard.type(text);
}

// Pastes `text` into the field over what it held, through the clipboard and Control+V.
// The page must be allowed the clipboard (allowClipboard).
export async function pasteInto(page, id, text) {
    await selectField(page, id);
    await page.evaluate((copied) => navigator.clipboard.writeText(copied), text);
    await pressControl(page, "v");
}

// The texts of the six fields, Text1 to Text6.
export function fieldTexts(page) {
    return page.evaluate(() => [1, 2, 3, 4, 5, 6].map((n) => document.getElementById(`Text${n}`).value));
}

// Waits until the page's refresh cycle has run `count` more ticks, counted as they happen.
export async function afterTicks(page, count) {
    const target = await page.evaluate((more) => {
        const timer = Tarvola.form.Timer1;
        if (timer.ticksSeen === undefined) {
            timer.ticksSeen = 0;
            const tick = timer.tick.bind(timer);
            timer.tick = () => {
                tick();
                ++timer.ticksSeen;
            };
        }
        return timer.ticksSeen + more;
    }, count);
    await waitFor(page, (until) => Tarvola.form.Timer1.ticksSeen >= until, target);
}

const failures = [];

// Records a failed check with what was expected and what was found; the run goes on.
export function expectEqual(found, expected, what) {
    if (JSON.stringify(found) !== JSON.stringify(expected))
        failures.push(`${what}: expected ${JSON.stringify(expected)}, found ${JSON.stringify(found)}`);
}

export function expectTrue(condition, what) {
    if (!condition)
        failures.push(what);
}

// Ends the run: prints every failure and exits non-zero if there was one.
export function finish() {
    for (const failure of failures)
        console.log(`FAIL (${options.browser}): ${failure}`);
    console.log(failures.length ? `${failures.length} checks failed` : `all checks passed in ${options.browser}`);
    process.exit(failures.length ? 1 : 0);
}

// Runs `body` and finishes; an exception counts as a failure.
export async function run(body) {
    try {
        await body();
    } catch (error) {
        failures.push(`stopped by ${error && error.stack || error}`);
    }
    finish();
}
