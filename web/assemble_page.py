#!/usr/bin/env python3
"""Assembles the page from its sources, the artwork and the WebAssembly module.

The site: index.html with the main window and the style sheet inside, one script (the page's
modules as one bundle), the module and its .wasm, the pictures, the web app manifest and a
service worker that keeps all of them. The single file: the same page with the module, scripts
and pictures inside too, which opens from disk. Each carries a Content-Security-Policy that lets
it load nothing but its own parts.
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
# it as it arrives, while the page's other files come (main.js hands the compiled module to the
# module's loader); the module's loader would ask for it only once its script had come and run.
# A host that sends the .wasm as another type gets it compiled once it is all in.
EARLY_START = """globalThis.Tarvola = { compiledModule: fetch("tarvola_module.wasm")
    .then((response) => response.ok ? response : Promise.reject(new Error(response.statusText)))
    .then((response) => WebAssembly.compileStreaming(response.clone())
        .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes)))) };
globalThis.Tarvola.compiledModule.catch(() => {});"""

# Faces with the metrics of the windows' fonts, for systems without them: the page's own.
FALLBACK_FACES = '"Liberation Sans", Arimo, Arial, sans-serif'

SITE_POLICY = ("default-src 'self'; script-src 'self' {early_start} 'wasm-unsafe-eval'; style-src {style}; "
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


def fill(template, caption, policy, head, window, scripts):
    return (template.replace("@CONTENT_SECURITY_POLICY@", policy)
            .replace("@CAPTION@", html.escape(caption, quote=False))
            .replace("@HEAD@", head).replace("@MAIN_WINDOW@", window).replace("@SCRIPTS@", scripts))


def inline(tag, text):
    """`text` inside the page as a <script> or <style> element."""
    if f"</{tag}" in text.lower():
        raise SystemExit(f"a {tag} to put inline contains </{tag}")
    return f"<{tag}>{text}</{tag}>"


def data_block(identifier, value):
    """A JSON data block, which the page reads and never runs."""
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")
    return f'<script type="application/json" id="{identifier}">{text}</script>'


def font_css(font):
    """A font of the shared tables as CSS, with the page's fallback faces."""
    return f'{"bold " if font["bold"] else ""}{font["points"]:g}pt "{font["face"]}", {FALLBACK_FACES}'


def main_window_markup(facts):
    """The main window as the page is first drawn with it, before any script has run: its menu
    bar, its frames with their captions, headers and unit marks, and its six fields with their
    first texts, then its end mark (the window shows once that is read). It stays inert until the
    script has opened it (web/form_tarvola.js)."""
    form = facts["form"]
    fields = {field["name"]: field for field in form["fields"]}
    children = {}
    for control in form["controls"]:
        children.setdefault(control["container"], []).append(control)

    def control_markup(control):
        name, text = control["name"], html.escape(control["text"])
        if control["kind"] == "field":
            field = fields[name]
            attributes = (f'type="text" autocomplete="off" spellcheck="false" id="{name}" '
                          f'aria-label="{html.escape(field["accessibleName"])}" value="{html.escape(field["firstText"])}"')
            return f'<input class="{"field result" if field["readOnly"] else "field"}" {attributes}>'
        if control["kind"] == "frame":
            inside = "".join(control_markup(child) for child in children.get(name, []))
            return (f'<div class="frame" role="group" id="{name}" aria-labelledby="{name}_caption">'
                    f'<span class="frame-caption" id="{name}_caption">{text}</span>{inside}</div>')
        if control["kind"] == "header":
            return f'<span class="header" id="{name}">{text}</span>'
        return f'<span class="unit-mark" id="{name}" aria-hidden="true">{text}</span>'  # the fields' names say the unit

    client = "".join(control_markup(control) for control in children.get(None, []))
    return (f'<main class="window main-window" aria-label="{html.escape(facts["caption"].strip())}" inert>'
            '<nav class="menu-bar" role="menubar" aria-label="Menu">'
            f'<button type="button" id="MenuAbout" role="menuitem">{html.escape(facts["aboutMenuEntry"])}</button></nav>'
            f'<div class="client">{client}</div><span class="window-end" hidden></span></main>')


def window_style(facts):
    """The style sheet's rules from the shared facts: the dialog font and the results' colours as
    custom properties, the main window's size and each control's place and font, and the fonts of
    About's title and version. Rules, not style attributes, which the page's policy refuses."""
    px = lambda rect: f"left: {rect[0]}px; top: {rect[1]}px; width: {rect[2]}px; height: {rect[3]}px"
    rgb = lambda colour: f"rgb({colour[0]} {colour[1]} {colour[2]})"
    fonts, colours, form = facts["fonts"], facts["colours"], facts["form"]
    rules = [":root { "
             f"--dialog-font: {font_css(fonts['dialog'])}; "
             f"--result-background: {rgb(colours['resultBackground'])}; "
             f"--result-text: {rgb(colours['resultText'])}; }}",
             f".main-window > .client {{ width: {form['client'][2]}px; height: {form['client'][3]}px; }}"]
    rules += [f"#{control['name']} {{ {px(control['rect'])}; font: {font_css(control['font'])}; }}"
              for control in form["controls"]]
    rules += [f".about-window #Label3 {{ font: {font_css(fonts['title'])}; }}",
              f".about-window #Label5 {{ font: {font_css(fonts['version'])}; }}"]
    return "\n/* The windows' shared facts (assembled from the module's facts). */\n" + "\n".join(rules) + "\n"


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
    facts = window_facts(args.window_facts)
    facts_block = data_block("tarvola-facts", facts)
    window = main_window_markup(facts)

    template = read(os.path.join(args.sources, "index.html"))
    script = read(args.script)
    style = read(os.path.join(args.sources, "tarvola.css")) + window_style(facts)

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
    shutil.copyfile(os.path.join(args.sources, "manifest.webmanifest"),
                    os.path.join(args.site, "manifest.webmanifest"))
    # The page names its scripts with their contents' digest: a browser that keeps them in memory
    # by address takes a new build's as new files.
    def versioned(name):
        return f"{name}?v={hashlib.sha256(read(os.path.join(args.site, name), 'rb')).hexdigest()[:12]}"
    # Everything the window needs is asked for at once, from the head: the scripts deferred (they
    # run in order once the page is read) and the module's .wasm, which the inline script
    # compiles as it comes. The style is inside the page, as the window is: the first paint
    # waits for nothing but the page itself.
    head = (f'<script defer src="{versioned("tarvola_module.js")}"></script>\n'
            f'<script defer src="{versioned("tarvola.js")}"></script>\n'
            '<link rel="preload" href="tarvola_module.wasm" as="fetch" type="application/wasm" crossorigin>\n'
            f'{inline("script", EARLY_START)}\n'
            f'{inline("style", style)}\n'
            '<link rel="manifest" href="manifest.webmanifest">\n'
            '<link rel="icon" href="tarvola_32.png" sizes="32x32">\n'
            '<link rel="icon" href="tarvola.svg" type="image/svg+xml">\n'
            '<link rel="apple-touch-icon" href="tarvola_192.png">')
    write(os.path.join(args.site, "index.html"),
          fill(template, args.caption,
               SITE_POLICY.format(early_start=source_hash(EARLY_START), style=source_hash(style)), head, window,
               facts_block))

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
    single_file_style = style.replace('url("hand.cur")', f'url("{data_url(os.path.join(args.assets, "hand.cur"))}")')
    inline_scripts = [read(args.inline_module), script]
    picture_block = data_block("tarvola-pictures", pictures)
    # The module's loader reads the module inside the script through fetch of a data: address.
    policy = ("default-src 'none'; script-src " + " ".join(source_hash(text) for text in inline_scripts)
              + " 'wasm-unsafe-eval'; style-src " + source_hash(single_file_style)
              + "; img-src data:; connect-src data:; base-uri 'none'; form-action 'none'")
    head = (inline('style', single_file_style) + "\n"
            f'<link rel="icon" href="{data_url(os.path.join(args.assets, "tarvola_32.png"))}" sizes="32x32">')
    write(args.single_file, fill(template, args.caption, policy, head, window,
                                 "\n".join([facts_block, picture_block] + [inline("script", text) for text in inline_scripts])))


if __name__ == "__main__":
    main()
