// The page without the network: the site reloaded from its service worker once the server is
// gone, and the single file opened from disk; each must still convert as the user types.
// Usage: node offline_test.mjs --browser chromium|firefox --site DIR --single-file FILE
import { pathToFileURL } from "node:url";
import { expectEqual, expectTrue, launch, openPage, options, run, serveSite, typeInto, waitFor } from "./harness.mjs";

// Types a decimal angle and checks its conversion appears, as the page opened at `how`.
async function checkConverts(page, how) {
    await typeInto(page, "Text5", "12.5825");
    await waitFor(page, () => document.getElementById("Text6").value === " 12° 34' 57\"", undefined, 5000)
        .catch(() => {});
    expectEqual(await page.$eval("#Text6", (input) => input.value), " 12° 34' 57\"", `Text6 ${how}`);
}

// Opens the served site, waits for its service worker to take the page, stops the server and
// reloads: everything must come from the worker's cache.
async function checkSiteOffline(browser) {
    const { server, address } = await serveSite();
    let page;
    try {
        page = await openPage(browser, address);
        await waitFor(page, () => Boolean(navigator.serviceWorker && navigator.serviceWorker.controller),
            undefined, 15000);
    } finally {
        server.closeAllConnections();
        await new Promise((closed) => server.close(closed));
    }
    await page.reload();
    const started = await waitFor(page, () => document.getElementById("Text4")?.value === "0")
        .then(() => true, () => false);
    expectTrue(started, "after a reload with the server stopped the page never wrote its first result");
    if (started)
        await checkConverts(page, "after a reload with the server stopped");
}

await run(async () => {
    const browser = await launch("en-US");
    try {
        await checkSiteOffline(browser);
        const page = await openPage(browser, pathToFileURL(options["single-file"]).href);
        await checkConverts(page, "in the single file opened from disk");
    } finally {
        await browser.close();
    }
});
