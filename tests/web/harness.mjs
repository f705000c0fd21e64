// What the page's browser tests share: the command line, the site served on the loopback, the
// two browsers from Debian driven by puppeteer-core, and a tally of failed checks.
// A test file is run as: node FILE.mjs --browser chromium|firefox --site DIR --single-file FILE
import puppeteer from "puppeteer-core";
import { parseArgs } from "node:util";
import { serve } from "../../web/serve.mjs";

export const options = parseArgs({
    options: {
        browser: { type: "string" },
        site: { type: "string" },
        "single-file": { type: "string" },
    },
}).values;

const BROWSERS = {
    chromium: { browser: "chrome", executablePath: "/usr/bin/chromium" },
    firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr" },
};

// Starts the browser named on the command line with `language` (a BCP 47 tag such as "de-DE")
// as the user's language: the one navigator.languages gives first.
export async function launch(language = "en-US") {
    const choice = BROWSERS[options.browser];
    if (!choice)
        throw new Error(`--browser must be one of ${Object.keys(BROWSERS).join(", ")}`);
    if (choice.browser === "chrome") {
        return puppeteer.launch({
            ...choice,
            headless: true,
            // The tests run as any user, root included, where Chromium's sandbox cannot start.
            args: ["--no-sandbox", `--lang=${language}`, `--accept-lang=${language}`],
        });
    }
    return puppeteer.launch({
        ...choice,
        headless: true,
        extraPrefsFirefox: { "intl.accept_languages": language, "intl.locale.requested": language },
    });
}

// Serves the built site on 127.0.0.1; the address ends in "/".
export async function serveSite() {
    const server = await serve(options.site);
    return { server, address: `http://127.0.0.1:${server.address().port}/` };
}

// Opens the page at `address` and waits until the first refresh has written the results.
export async function openPage(browser, address) {
    const page = await browser.newPage();
    await page.goto(address);
    await page.waitForFunction(() => document.getElementById("Text4")?.value === "0", { timeout: 10000 });
    return page;
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
