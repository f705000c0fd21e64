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
import subprocess

PICTURES = ["tarvola.png", "tarvola_96.png", "donation.png", "donation_2x.png", "mail_32.png",
            "mail_64.png", "site_banner.png", "site_banner_2x.png", "hand.cur"]
APP_ICONS = ["tarvola_32.png", "tarvola_192.png", "tarvola_512.png", "tarvola.svg"]
MEDIA_TYPES = {".png": "image/png", ".cur": "image/x-icon", ".svg": "image/svg+xml"}

# The site's one inline script, allowed by its digest: it asks for the module's .wasm and compiles
# it (main.js hands the compiled module to the module's loader), then loads the browser's number
# formats, all while the page's files are on their way. The module's loader would ask for the
# .wasm only once its script had come and run, and the first number format takes tens of
# milliseconds (the page reads the user's separators from them).
EARLY_START = ('globalThis.Tarvola = { compiledModule: fetch("tarvola_module.wasm")'
               '.then((response) => response.ok ? response.arrayBuffer() : Promise.reject(new Error(response.statusText)))'
               '.then((bytes) => WebAssembly.compile(bytes)) };\n'
               'globalThis.Tarvola.compiledModule.catch(() => {});\n'
               'try { new Intl.NumberFormat(navigator.languages); } catch {}')

SITE_POLICY = ("default-src 'self'; script-src 'self' {early_start} 'wasm-unsafe-eval'; style-src 'self'; "
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


def data_block(identifier, value):
    """A JSON data block, which the page reads and never runs."""
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")
    return f'<script type="application/json" id="{identifier}">{text}</script>'


def window_facts(command):
    """The window facts, printed by the module's facts program (web/window_facts_main.cpp)."""
    printed = subprocess.run(command, check=True, capture_output=True, text=True, encoding="utf-8").stdout
    return json.loads(printed)


def main():
    parser = argparse.ArgumentParser()
    for option in ("sources", "assets", "module", "inline-module", "caption", "version", "site", "single-file"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--script", required=True, help="the page's modules, bundled")
    parser.add_argument("--window-facts", required=True, nargs="+",
                        help="the command that prints the window facts (Node and the program)")
    args = parser.parse_args()
    facts_block = data_block("tarvola-facts", window_facts(args.window_facts))

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
    # The page names its style and scripts with their contents' digest: a browser that keeps
    # them in memory by address (Firefox keeps style sheets so) takes a new build's as new files.
    def versioned(name):
        return f"{name}?v={hashlib.sha256(read(os.path.join(args.site, name), 'rb')).hexdigest()[:12]}"
    # Everything the window needs is asked for at once, from the head: the scripts deferred (they
    # run in order once the page is read), the module's .wasm, which the inline script compiles
    # at once, and the style, preloaded so that the inline script runs before it has come (a
    # script waits for a style sheet before it).
    style_address = versioned("tarvola.css")
    head = (f'<script defer src="{versioned("tarvola_module.js")}"></script>\n'
            f'<script defer src="{versioned("tarvola.js")}"></script>\n'
            '<link rel="preload" href="tarvola_module.wasm" as="fetch" type="application/wasm" crossorigin>\n'
            f'<link rel="preload" href="{style_address}" as="style">\n'
            f'{inline_script(EARLY_START)}\n'
            f'<link rel="stylesheet" href="{style_address}">\n'
            '<link rel="manifest" href="manifest.webmanifest">\n'
            '<link rel="icon" href="tarvola_32.png" sizes="32x32">\n'
            '<link rel="icon" href="tarvola.svg" type="image/svg+xml">\n'
            '<link rel="apple-touch-icon" href="tarvola_192.png">')
    write(os.path.join(args.site, "index.html"),
          fill(template, args.caption, SITE_POLICY.format(early_start=source_hash(EARLY_START)), head, facts_block))

    # The service worker keeps every file of the site under a name of this build's contents,
    # each with its digest, so that it keeps nothing but this build. The page goes without one:
    # hosts may add to it (a script, a banner), and it names the other files.
    files = sorted(os.listdir(args.site))
    digest = hashlib.sha256(args.version.encode("utf-8"))
    kept = [["./", ""]]
    for name in files:
        content = read(os.path.join(args.site, name), "rb")
        digest.update(name.encode("utf-8") + b"\0" + content)
        kept.append([name, "" if name == "index.html" else
                     "sha256-" + base64.b64encode(hashlib.sha256(content).digest()).decode("ascii")])
    worker = (read(os.path.join(args.sources, "service_worker.js"))
              .replace("@BUILD_HASH@", digest.hexdigest()[:16])
              .replace("@SITE_FILES@", json.dumps(kept)))
    write(os.path.join(args.site, "service_worker.js"), worker)

    # The single file.
    pictures = {name: data_url(os.path.join(args.assets, name)) for name in PICTURES if name != "hand.cur"}
    inline_style = style.replace('url("hand.cur")', f'url("{data_url(os.path.join(args.assets, "hand.cur"))}")')
    inline_scripts = [read(args.inline_module), script]
    picture_block = data_block("tarvola-pictures", pictures)
    # The module's loader reads the module inside the script through fetch of a data: address.
    policy = ("default-src 'none'; script-src " + " ".join(source_hash(text) for text in inline_scripts)
              + " 'wasm-unsafe-eval'; style-src " + source_hash(inline_style)
              + "; img-src data:; connect-src data:; base-uri 'none'; form-action 'none'")
    head = (f"<style>{inline_style}</style>\n"
            f'<link rel="icon" href="{data_url(os.path.join(args.assets, "tarvola_32.png"))}" sizes="32x32">')
    write(args.single_file, fill(template, args.caption, policy, head,
                                 "\n".join([facts_block, picture_block] + [inline_script(text) for text in inline_scripts])))


if __name__ == "__main__":
    main()
