// Serves a folder (the built site) on the loopback, printing its address. Only GET and HEAD of
// the folder's own files, read afresh for every request (a new build copied over the folder is
// served at once); every answer carries the page's Content-Security-Policy.
// Usage: node web/serve.mjs FOLDER [PORT]   (port 0, the default, takes a free one)
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";

const TYPES = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8", ".wasm": "application/wasm", ".png": "image/png",
    ".svg": "image/svg+xml", ".cur": "image/x-icon", ".webmanifest": "application/manifest+json",
};

// The site's own Content-Security-Policy, as its index.html states it, and what only a header
// can say besides: no other site may frame the page.
async function policyOf(root) {
    const page = await readFile(join(root, "index.html"), "utf8");
    const stated = page.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/);
    if (!stated)
        throw new Error(`${root}/index.html states no Content-Security-Policy`);
    return `${stated[1]}; frame-ancestors 'none'`;
}

// Starts serving `root` on 127.0.0.1; resolves to the server once it listens. `cacheControl`
// gives each answer's Cache-Control from the file's path in the site ("/index.html"); by
// default a browser asks again every time, as a host must for a site that changes.
export async function serve(root, port = 0, cacheControl = () => "no-cache") {
    const policy = await policyOf(root);
    const server = createServer(async (request, response) => {
        try {
            if (request.method !== "GET" && request.method !== "HEAD") {
                response.writeHead(405).end();
                return;
            }
            let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
            if (path.endsWith("/"))
                path += "index.html";
            const file = normalize(join(root, path));
            if (!file.startsWith(normalize(root) + sep))
                throw new Error("outside the site");
            const body = await readFile(file);
            response.writeHead(200, {
                "Content-Type": TYPES[extname(file)] || "application/octet-stream",
                "Content-Security-Policy": policy,
                "Cache-Control": cacheControl(path),
                "X-Content-Type-Options": "nosniff",
            });
            response.end(request.method === "HEAD" ? undefined : body);
        } catch {
            response.writeHead(404, { "Content-Type": "text/plain" }).end("Not found\n");
        }
    });
    return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
    const root = process.argv[2];
    if (!root) {
        console.error("usage: node serve.mjs FOLDER [PORT]");
        process.exit(2);
    }
    const server = await serve(root, Number(process.argv[3] || 0));
    console.log(`Tarvola is served at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
