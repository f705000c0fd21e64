"use strict";
// Keeps the page's files so that it opens and converts without the network. Every build names
// its own cache and lists its files (the site's assembly fills both in); the cache of an older
// build goes once this one is active.
const CACHE = "tarvola-@BUILD_HASH@";
const FILES = @SITE_FILES@;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The kept copy first: the files of one build never change.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept || fetch(event.request)));
});
