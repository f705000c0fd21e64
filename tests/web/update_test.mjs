// A new build of the site deployed while visitors come back, behind three kinds of host: one that
// lets browsers keep every file for ten minutes (max-age on every file), one that has them ask
// again for the page only (no-cache on the HTML), and the project's own server. Build A is the
// site as built; build B is A with a mark added to every file (a comment in the page, scripts,
// worker and icon, a custom section in the module, bytes after the end of each picture; the
// style is inside the page), the page and the worker naming B's files by their digests and the
// worker's cache renamed, as a new build's do. Every file a page gets and every file a cache
// keeps is compared with both builds' bytes: each load is one build whole, the second load
// after the deployment is B, and a tab left open on A goes on converting and opens About with
// A's pictures.
// Run as: node update_test.mjs --browser chromium|firefox --site DIR
import { createHash } from "node:crypto";
import { cp, mkdtemp, readFile, readdir, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { extname, join } from "node:path";
import { serve } from "../../web/serve.mjs";
import { expectEqual, expectTrue, launch, openPage, options, run, typeInto, waitFor } from "./harness.mjs";

const HOSTS = [
    ["max-age on every file", () => "max-age=600"],
    ["no-cache on the HTML only", (path) => (path.endsWith(".html") ? "no-cache" : "max-age=600")],
    ["the project's server", undefined],
];
// What the page itself loads at its start; About's pictures come when it opens.
const PAGE_FILES = ["index.html", "tarvola.js", "tarvola_module.js", "tarvola_module.wasm"];

// A byte string's LEB128 length prefix, as a WebAssembly section states its size.
function leb128(value) {
    const bytes = [];
    do {
        let byte = value & 0x7f;
        value >>>= 7;
        if (value)
            byte |= 0x80;
        bytes.push(byte);
    } while (value);
    return Buffer.from(bytes);
}

// `bytes` of the file `name` with `mark` added where the file's readers ignore it.
function marked(name, bytes, mark) {
    const text = () => bytes.toString("utf8");
    switch (extname(name)) {
    case ".html": case ".svg":
        return Buffer.from(`${text()}<!-- ${mark} -->\n`);
    case ".js":
        return Buffer.from(`${text()}\n// ${mark}\n`);
    case ".webmanifest":
        return Buffer.from(JSON.stringify({ ...JSON.parse(text()), tarvola_build: mark }, null, 2));
    case ".wasm": {
        const payload = Buffer.concat([leb128(mark.length), Buffer.from(mark)]);
        return Buffer.concat([bytes, Buffer.from([0]), leb128(payload.length), payload]);
    }
    default: // pictures and the cursor: their readers stop at their own end
        return Buffer.concat([bytes, Buffer.from(mark)]);
    }
}

const sha256 = (bytes) => createHash("sha256").update(bytes).digest("hex");

// `text` with every digest of one of A's files in it, whole or its first part in hex (the page
// names its style and scripts so) or in base64 (the worker checks what it keeps so), made the
// digest of that file in B.
function digestsMadeB(text, digests) {
    for (const [a, b] of digests)
        text = text.replaceAll(`sha256-${a.toString("base64")}`, `sha256-${b.toString("base64")}`);
    return text.replace(/[0-9a-f]{8,64}/g, (hex) => {
        const file = digests.find(([a]) => a.toString("hex").startsWith(hex));
        return file ? file[1].toString("hex").slice(0, hex.length) : hex;
    });
}

// Build B from A (the folder `site`): every file marked; the page and the worker name B's files
// by their digests, and the worker names its cache anew, as a new build's do. Gives each
// build's files as a map of name to SHA-256 (hex), B's folder and the name of B's cache.
async function buildsFrom(site) {
    const names = (await readdir(site)).sort();
    const folder = await mkdtemp(join(tmpdir(), "tarvola-build-b-"));
    const a = new Map(), b = new Map();
    const digests = [];
    const naming = ["index.html", "service_worker.js"]; // written last, naming the others
    for (const name of [...names.filter((each) => !naming.includes(each)), ...naming]) {
        const bytes = await readFile(join(site, name));
        let next = marked(name, bytes, "build B");
        if (naming.includes(name))
            next = Buffer.from(digestsMadeB(next.toString("utf8"), digests));
        await writeFile(join(folder, name), next);
        a.set(name, sha256(bytes));
        b.set(name, sha256(next));
        digests.push([createHash("sha256").update(bytes).digest(), createHash("sha256").update(next).digest()]);
    }
    const worker = (await readFile(join(folder, "service_worker.js"))).toString("utf8");
    const cacheA = worker.match(/"(tarvola-[0-9a-f]+)"/)?.[1];
    if (!cacheA)
        throw new Error("service_worker.js names no cache \"tarvola-…\"");
    const cacheB = `tarvola-${b.get("service_worker.js").slice(0, 16)}`;
    const renamed = worker.replaceAll(cacheA, cacheB);
    await writeFile(join(folder, "service_worker.js"), renamed);
    b.set("service_worker.js", sha256(renamed));
    return { folder, files: { A: a, B: b }, cacheB };
}

// Copies a build over the served folder, as a host's deployment does.
async function deploy(from, served) {
    for (const name of await readdir(served))
        await rm(join(served, name));
    await cp(from, served, { recursive: true });
}

// Which build the file `name` with `bytes` is: "A", "B", or "neither" (cut short, or mixed in
// the file).
const buildOf = (builds, name, bytes) =>
    ["A", "B"].find((build) => builds[build].get(name) === sha256(bytes)) || "neither";

// Records which build every answer the page gets is (through its worker or not), as [file name,
// build]; `take()` gives those since the last call.
function recordFiles(page, builds) {
    let got = [];
    page.on("response", (response) => {
        const path = new URL(response.url()).pathname;
        const name = path.endsWith("/") ? "index.html" : path.slice(path.lastIndexOf("/") + 1);
        got.push(response.buffer().then((bytes) => [name, buildOf(builds, name, bytes)], () => [name, "unreadable"]));
    });
    return async () => {
        const taken = await Promise.all(got);
        got = [];
        return taken;
    };
}

// Checks that `found` ([file name, build]) are all of one build (`expected` when given; any
// one build otherwise) and include `required`.
function expectWhole(found, expected, required, what) {
    const kinds = [...new Set(found.map(([, build]) => build))];
    const whole = kinds.length === 1 && (expected ? kinds[0] === expected : ["A", "B"].includes(kinds[0]));
    expectTrue(whole, `${what}: ${expected ? `expected all of build ${expected}` : "expected one build"}, `
        + `found ${found.map(([name, build]) => `${name} ${build}`).join(", ")}`);
    const names = found.map(([name]) => name);
    for (const name of required)
        expectTrue(names.includes(name), `${what}: the page never got ${name}`);
}

// Every cache's entries that are files of the site: [cache, [[name, bytes]...]].
function cachedFiles(page) {
    return page.evaluate(async () => {
        const kept = [];
        for (const name of await caches.keys()) {
            const cache = await caches.open(name);
            const files = [];
            for (const request of await cache.keys()) {
                const path = new URL(request.url).pathname;
                const bytes = new Uint8Array(await (await cache.match(request)).arrayBuffer());
                files.push([path.endsWith("/") ? "index.html" : path.slice(path.lastIndexOf("/") + 1),
                            btoa(Array.from(bytes, (byte) => String.fromCharCode(byte)).join(""))]);
            }
            kept.push([name, files]);
        }
        return kept;
    }).then((kept) => kept.map(([name, files]) => [name, files.map(([file, base64]) => [file, Buffer.from(base64, "base64")])]));
}

// Waits until the page's worker is active and no other one is on its way, with the cache named
// `cache` among the caches when given.
function settledWorker(page, cache, timeout = 20000) {
    return waitFor(page, async (name) => {
        const registration = await navigator.serviceWorker.getRegistration();
        return Boolean(navigator.serviceWorker.controller && registration && registration.active
            && registration.active.state === "activated" && !registration.installing && !registration.waiting
            && (!name || (await caches.keys()).includes(name)));
    }, cache, timeout);
}

async function checkHost(browser, builds, [host, cacheControl]) {
    const served = await mkdtemp(join(tmpdir(), "tarvola-served-"));
    await deploy(options.site, served);
    const server = await serve(served, 0, cacheControl);
    const address = `http://127.0.0.1:${server.address().port}/`;
    const context = await browser.createBrowserContext();
    try {
        // Two tabs on A: one that comes back, one left open across the update.
        const visitor = await openPage(context, address);
        const takeVisited = recordFiles(visitor, builds.files);
        await settledWorker(visitor);
        const left = await openPage(context, address);
        const takeLeft = recordFiles(left, builds.files);
        await settledWorker(left);

        await deploy(builds.folder, served);
        await visitor.reload();
        await waitFor(visitor, () => document.getElementById("Text4")?.value === "0");
        expectWhole(await takeVisited(), null, PAGE_FILES, `${host}, the first load after the deployment`);
        const updated = await settledWorker(visitor, builds.cacheB).then(() => true, () => false);
        expectTrue(updated, `${host}: the new build's worker never took over`);
        await visitor.reload();
        await waitFor(visitor, () => document.getElementById("Text4")?.value === "0");
        expectWhole(await takeVisited(), "B", PAGE_FILES, `${host}, the second load after the deployment`);

        // The tab left open on A converts, and About comes with all its pictures, of build A.
        await typeInto(left, "Text5", "12.5825");
        await waitFor(left, () => document.getElementById("Text6").value === " 12° 34' 57\"", undefined, 5000)
            .catch(() => {});
        expectEqual(await left.$eval("#Text6", (input) => input.value), " 12° 34' 57\"", `${host}: Text6 in the tab left open`);
        await left.click("#MenuAbout");
        const pictures = await waitFor(left, () => {
            const images = [...document.querySelectorAll(".about-window img")];
            return images.length > 0 && images.every((image) => image.complete);
        }).then(() => left.$$eval(".about-window img", (images) => images.map((image) => [image.id, image.naturalWidth])),
            () => []);
        expectTrue(pictures.length === 4 && pictures.every(([, width]) => width > 0),
            `${host}: About's pictures in the tab left open: ${JSON.stringify(pictures)}`);
        expectWhole(await takeLeft(), "A", ["donation.png"], `${host}, About in the tab left open`);

        for (const [cache, files] of await cachedFiles(visitor)) {
            const ofSite = files.filter(([name]) => builds.files.A.has(name));
            if (ofSite.length)
                expectWhole(ofSite.map(([name, bytes]) => [name, buildOf(builds.files, name, bytes)]), null, [],
                    `${host}, what the cache ${cache} keeps`);
        }
        await left.reload();
        await waitFor(left, () => document.getElementById("Text4")?.value === "0");
        expectWhole(await takeLeft(), "B", PAGE_FILES, `${host}, the tab left open, reloaded`);
    } finally {
        await context.close();
        server.closeAllConnections();
        await new Promise((closed) => server.close(closed));
        await rm(served, { recursive: true, force: true });
    }
}

await run(async () => {
    const builds = await buildsFrom(options.site);
    const browser = await launch("en-US");
    try {
        for (const host of HOSTS)
            await checkHost(browser, builds, host);
    } finally {
        await browser.close();
        await rm(builds.folder, { recursive: true, force: true });
    }
});
