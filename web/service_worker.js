"use strict";
// Keeps the page's files so that it opens and converts without the network. Every build names
// its own cache and lists its files with their digests (the site's assembly fills both in).
// A cache holds one build whole: its files come from the network, never from the browser's
// HTTP cache (which a host may let keep an older build for minutes), and a file that is not
// this build's (a deployment half done, a stale copy on the way) fails the install, which the
// next visit tries again. Each open page gets its files from the build it was loaded from, so
// that a page left open across an update goes on working, About's pictures included, until it
// is reloaded; a build's cache goes once no open page uses it.
const CACHE = "tarvola-@BUILD_HASH@";
const FILES = @SITE_FILES@; // [file, its Subresource Integrity digest or "" for the page]
// Which build's cache each open page was loaded from: an entry per page, by its client id.
const PAGES = "tarvola-pages";
// An entry younger than this is kept even while its page is not among the clients yet.
const NEW_PAGE_MS = 60000;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE)
        .then((cache) => cache.addAll(FILES.map(([file, integrity]) => new Request(file, { cache: "reload", integrity }))))
        .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(adoptOpenPages().then(forgetClosedPages).then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(answer(event));
});

// A navigation gets this build's page; any other request the file of its page's build, from
// that build's cache while it is there, else from this build's, else from the network.
async function answer(event) {
    const request = event.request;
    let build = CACHE;
    if (request.mode === "navigate") {
        event.waitUntil(forgetClosedPages().then(() => event.resultingClientId && remember(event.resultingClientId, CACHE)));
    } else if (event.clientId) {
        build = await buildOf(event.clientId);
        if (!build)
            event.waitUntil(remember(event.clientId, (build = CACHE)));
    }
    return (await caches.match(request, { cacheName: build, ignoreSearch: true }))
        || (await caches.match(request, { cacheName: CACHE, ignoreSearch: true }))
        || fetch(request);
}

const entryOf = (clientId) => new Request(`tarvola-pages/${encodeURIComponent(clientId)}`);

// The cache name the page `clientId` was loaded from, or null when it is not known.
async function buildOf(clientId) {
    const entry = await caches.match(entryOf(clientId), { cacheName: PAGES });
    return entry ? (await entry.json()).build : null;
}

async function remember(clientId, build) {
    const pages = await caches.open(PAGES);
    await pages.put(entryOf(clientId), new Response(JSON.stringify({ build, since: Date.now() })));
}

// The pages open when this build takes over that no build has seen yet were loaded from the
// network, as this build was being installed: they are this build's.
async function adoptOpenPages() {
    const open = await self.clients.matchAll({ type: "window", includeUncontrolled: true });
    for (const client of open) {
        if (!(await buildOf(client.id)))
            await remember(client.id, CACHE);
    }
}

// Forgets the pages that are closed, then deletes every cache of a build that neither this
// build nor an open page uses.
async function forgetClosedPages() {
    const open = new Set((await self.clients.matchAll({ type: "window", includeUncontrolled: true })).map((client) => client.id));
    const pages = await caches.open(PAGES);
    const inUse = new Set([CACHE, PAGES]);
    for (const request of await pages.keys()) {
        const id = decodeURIComponent(new URL(request.url).pathname.split("/").pop());
        const entry = await (await pages.match(request)).json();
        if (open.has(id) || Date.now() - entry.since < NEW_PAGE_MS)
            inUse.add(entry.build);
        else
            await pages.delete(request);
    }
    const names = await caches.keys();
    await Promise.all(names.filter((name) => name.startsWith("tarvola-") && !inUse.has(name))
        .map((name) => caches.delete(name)));
}
