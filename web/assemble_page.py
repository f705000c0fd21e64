#!/usr/bin/env python3
"""Assembles the page from its sources, the artwork and the WebAssembly module.

The site: index.html, one script (the page's modules as one bundle), the style sheet, the module and
its .wasm, the pictures, the web app manifest and a service worker that keeps all of them. The
single file: the same page with the module, scripts, styles and pictures inside, which opens
from disk. Each carries a Content-Security-Policy that lets it load nothing but its own parts.
"""
import argparse
import base64
import hashlib
import html
import json
import os
import shutil

PICTURES = ["tarvola.png", "tarvola_96.png", "donation.png", "donation_2x.png", "mail_32.png",
            "mail_64.png", "site_banner.png", "site_banner_2x.png", "hand.cur"]
APP_ICONS = ["tarvola_32.png", "tarvola_192.png", "tarvola_512.png", "tarvola.svg"]
MEDIA_TYPES = {".png": "image/png", ".cur": "image/x-icon", ".svg": "image/svg+xml"}

SITE_POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
               "img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; "
               "object-src 'none'; base-uri 'none'; form-action 'none'")


def read(path, mode="r"):
    with open(path, mode) as source:
        return source.read()


def write(path, content):
    with open(path, "wb" if isinstance(content, bytes) else "w") as out:
        out.write(content)


def data_url(path):
    media = MEDIA_TYPES[os.path.splitext(path)[1]]
    return f"data:{media};base64," + base64.b64encode(read(path, "rb")).decode("ascii")


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def fill(template, caption, policy, head, scripts):
    return (template.replace("@CONTENT_SECURITY_POLICY@", policy)
            .replace("@CAPTION@", html.escape(caption, quote=False))
            .replace("@HEAD@", head).replace("@SCRIPTS@", scripts))


def inline_script(text):
    if "</script" in text.lower():
        raise SystemExit("a script to put inline contains </script")
    return f"<script>{text}</script>"


def main():
    parser = argparse.ArgumentParser()
    for option in ("sources", "assets", "module", "inline-module", "caption", "version", "site", "single-file"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--script", required=True, help="the page's modules, bundled")
    args = parser.parse_args()

    template = read(os.path.join(args.sources, "index.html"))
    script = read(args.script)
    style = read(os.path.join(args.sources, "tarvola.css"))

    # The site.
    if os.path.isdir(args.site):
        shutil.rmtree(args.site)
    os.makedirs(args.site)
    module_wasm = os.path.splitext(args.module)[0] + ".wasm"
    shutil.copyfile(args.module, os.path.join(args.site, "tarvola_module.js"))
    shutil.copyfile(module_wasm, os.path.join(args.site, "tarvola_module.wasm"))
    for name in PICTURES + APP_ICONS:
        shutil.copyfile(os.path.join(args.assets, name), os.path.join(args.site, name))
    write(os.path.join(args.site, "tarvola.js"), script)
    write(os.path.join(args.site, "tarvola.css"), style)
    shutil.copyfile(os.path.join(args.sources, "manifest.webmanifest"),
                    os.path.join(args.site, "manifest.webmanifest"))
    head = ('<link rel="stylesheet" href="tarvola.css">\n'
            '<link rel="manifest" href="manifest.webmanifest">\n'
            '<link rel="icon" href="tarvola_32.png" sizes="32x32">\n'
            '<link rel="icon" href="tarvola.svg" type="image/svg+xml">\n'
            '<link rel="apple-touch-icon" href="tarvola_192.png">')
    scripts = '<script src="tarvola_module.js"></script>\n<script src="tarvola.js"></script>'
    write(os.path.join(args.site, "index.html"), fill(template, args.caption, SITE_POLICY, head, scripts))

    # The service worker keeps every file of the site under a name of this build's contents.
    files = sorted(os.listdir(args.site))
    digest = hashlib.sha256(args.version.encode("utf-8"))
    for name in files:
        digest.update(name.encode("utf-8") + b"\0" + read(os.path.join(args.site, name), "rb"))
    worker = (read(os.path.join(args.sources, "service_worker.js"))
              .replace("@BUILD_HASH@", digest.hexdigest()[:16])
              .replace("@SITE_FILES@", json.dumps(["./"] + files)))
    write(os.path.join(args.site, "service_worker.js"), worker)

    # The single file.
    pictures = {name: data_url(os.path.join(args.assets, name)) for name in PICTURES if name != "hand.cur"}
    inline_style = style.replace('url("hand.cur")', f'url("{data_url(os.path.join(args.assets, "hand.cur"))}")')
    inline_scripts = [read(args.inline_module), script]
    # The pictures as a data block, which the page reads and never runs.
    picture_block = f'<script type="application/json" id="tarvola-pictures">{json.dumps(pictures)}</script>'
    # The module's loader reads the module inside the script through fetch of a data: address.
    policy = ("default-src 'none'; script-src " + " ".join(source_hash(text) for text in inline_scripts)
              + " 'wasm-unsafe-eval'; style-src " + source_hash(inline_style)
              + "; img-src data:; connect-src data:; base-uri 'none'; form-action 'none'")
    head = (f"<style>{inline_style}</style>\n"
            f'<link rel="icon" href="{data_url(os.path.join(args.assets, "tarvola_32.png"))}" sizes="32x32">')
    write(args.single_file, fill(template, args.caption, policy, head,
                                 "\n".join([picture_block] + [inline_script(text) for text in inline_scripts])))


if __name__ == "__main__":
    main()
