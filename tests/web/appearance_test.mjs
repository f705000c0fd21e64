// How the page's two windows look: every control where the shared layout puts it at 100 % and
// 200 %, no text cut, the 200 % picture the 100 % one at twice the size, readable text under a
// dark scheme and under forced colours. Screenshots of both windows go to --shots DIR.
// Run as: node appearance_test.mjs --browser chromium|firefox --site DIR [--shots DIR]
import { afterTicks, launch, serveSite, openPage, decodePng, expectEqual, expectTrue, run, options } from "./harness.mjs";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const APP = new URL("../../app/", import.meta.url);

// The rows of a table `name` declared as std::array<..., N> in a shared header, read by
// `pattern`: all N of them, or the run stops (a table whose rows the pattern no longer reads
// would leave its checks with nothing to check).
function tableRows(text, name, pattern) {
    const size = Number(text.match(new RegExp(`std::array<\\w+, (\\d+)> ${name}`))[1]);
    const rows = [...text.matchAll(pattern)];
    if (rows.length !== size)
        throw new Error(`read ${rows.length} of the ${size} rows of ${name}`);
    return rows;
}

// The layouts in twips as the desktop has them, read from the shared headers: rows of
// { name, container (null: the client area), rect: [left, top, width, height] }.
function readLayouts() {
    const form = readFileSync(new URL("form_layout.h", APP), "utf8");
    const about = readFileSync(new URL("about_layout.h", APP), "utf8");
    const numbers = (match, from) => match.slice(from, from + 4).map(Number);
    const formRows = tableRows(form, "kFormLayout", /\{FormControl::(\w+), FormControlKind::\w+, "(\w+)", FormControl::(\w+), \{(\d+), (\d+), (\d+), (\d+)\}\}/g)
        .map((row) => ({ name: row[2], container: row[3] === row[1] ? null : row[3], rect: numbers(row, 4) }));
    const aboutRows = tableRows(about, "kAboutLayout", /\{AboutControl::(\w+), "(\w+)", AboutControl::(\w+), \{(\d+), (\d+), (\d+), (\d+)\}, [-\w]+\}/g)
        .map((row) => ({ name: row[2], container: row[3] === "Background" ? null : row[3], rect: numbers(row, 4) }));
    const client = (text, name) => numbers(text.match(new RegExp(`${name} \\{(\\d+), (\\d+), (\\d+), (\\d+)\\}`)), 1);
    return {
        main: { selector: ".main-window", client: client(form, "kFormClient"), rows: formRows },
        about: { selector: ".about-window", client: client(about, "kAboutClient"), rows: aboutRows },
    };
}
const LAYOUTS = readLayouts();

// The results' colours as [red, green, blue], from the shared header.
function readResultColours() {
    const colours = readFileSync(new URL("window_colours.h", APP), "utf8");
    const colour = (name) => colours.match(new RegExp(`${name} \\{(\\d+), (\\d+), (\\d+)\\}`)).slice(1, 4).map(Number);
    return { text: colour("kResultText"), background: colour("kResultBackground") };
}
const RESULT_COLOURS = readResultColours();

// Twips to CSS pixels, to the nearest (15 twips make one at 96 dots per inch).
const pixels = (twips) => Math.floor((twips * 96 + 720) / 1440);

// The contrast ratio of two [red, green, blue] colours, as the accessibility guidelines define it.
function contrast(first, second) {
    const luminance = (rgb) => rgb.map((channel) => channel / 255)
        .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
        .reduce((sum, c, index) => sum + c * [0.2126, 0.7152, 0.0722][index], 0);
    const [a, b] = [luminance(first), luminance(second)];
    return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
}

// Opens the page as the user sees it: `zoom` device pixels a CSS pixel, the About window open,
// and Text1..Text3 and Text5 typed so that the results are long, or left at their defaults.
async function openWindows(browser, address, { zoom = 1, scheme, longTexts = false }) {
    const page = await openPage(browser, address, async (page) => {
        await page.setViewport({ width: 800, height: 600, deviceScaleFactor: zoom });
        if (scheme === "dark" && options.browser === "chromium")
            await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
        if (scheme === "forced")
            await (await page.createCDPSession()).send("Emulation.setEmulatedMedia",
                { features: [{ name: "forced-colors", value: "active" }] });
    });
    if (longTexts) {
        // " -359° 59' 59"" is the longest result of an angle within a turn: wider than Text6 in
        // the field's own size.
        for (const [id, text] of [["Text1", "10"], ["Text2", "20"], ["Text3", "0"], ["Text5", "-358,0003"]]) {
            await page.click(`#${id}`, { count: 3 });
            await page.keyboard.type(text);
        }
        await afterTicks(page, 2);
        expectEqual(await page.$$eval("#Text4, #Text6", (fields) => fields.map((field) => field.value)),
            ["10,333333", " -359° 59' 59\""], "the long results");
    }
    await page.click("#MenuAbout");
    await page.mouse.move(1, 1);
    return page;
}

// Each control's rectangle relative to its container, in device pixels, against the layout's.
async function checkPlaces(page, zoom, what) {
    expectEqual(await page.evaluate(() => devicePixelRatio), zoom, `the device pixel ratio at ${what}`);
    for (const [window, layout] of Object.entries(LAYOUTS)) {
        const found = await page.evaluate((selector, names) => {
            const client = document.querySelector(`${selector} .client`);
            const rectOf = (element) => element.getBoundingClientRect();
            return names.map(([name, container]) => {
                const own = rectOf(document.getElementById(name));
                const holder = rectOf(container ? document.getElementById(container) : client);
                return [own.left - holder.left, own.top - holder.top, own.width, own.height].map((v) => v * devicePixelRatio);
            }).concat([[0, 0, rectOf(client).width * devicePixelRatio, rectOf(client).height * devicePixelRatio]]);
        }, layout.selector, layout.rows.map((row) => [row.name, row.container]));
        const expected = layout.rows.map((row) => row.rect.map((twips) => pixels(twips) * zoom))
            .concat([[0, 0, pixels(layout.client[2]) * zoom, pixels(layout.client[3]) * zoom]]);
        const names = layout.rows.map((row) => row.name).concat(["client area"]);
        names.forEach((name, index) => expectEqual(found[index].map((v) => Math.round(v * 100) / 100), expected[index],
            `${window} ${name} at ${what} (left, top, width, height in device pixels)`));
    }
}

// Texts whole: where a box clips (the fields, the addresses, OK, the menu entry), the text fits
// it; where the text may run over its box (labels, headers, unit marks, group captions), it stays
// inside its frame or window and clear of the other controls there.
async function checkWholeTexts(page, what) {
    const cut = await page.evaluate(() => {
        const found = [];
        for (const element of document.querySelectorAll(".field, .address, #Command1, #MenuAbout")) {
            if (element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight)
                found.push(`${element.id} "${element.value ?? element.textContent}" needs ${element.scrollWidth}x${element.scrollHeight}, has ${element.clientWidth}x${element.clientHeight}`);
        }
        // Two pixels each way at least: a line box is taller than the marks' ink, which may touch
        // the next field's edge.
        const overlap = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) >= 2
            && Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) >= 2;
        for (const element of document.querySelectorAll(".header, .unit-mark, .label, .frame-caption")) {
            const range = document.createRange();
            range.selectNodeContents(element);
            const text = range.getBoundingClientRect();
            const holder = element.parentElement.getBoundingClientRect();
            if (text.left < holder.left || text.right > holder.right || text.top < holder.top || text.bottom > holder.bottom)
                found.push(`${element.id} "${element.textContent}" runs out of ${element.parentElement.id || element.parentElement.className}`);
            // What shows outside its own box (some boxes of the layout overlap on purpose).
            const own = element.getBoundingClientRect();
            const outside = [
                { left: text.left, right: Math.min(text.right, own.left), top: text.top, bottom: text.bottom },
                { left: Math.max(text.left, own.right), right: text.right, top: text.top, bottom: text.bottom },
                { left: text.left, right: text.right, top: text.top, bottom: Math.min(text.bottom, own.top) },
                { left: text.left, right: text.right, top: Math.max(text.top, own.bottom), bottom: text.bottom },
            ].filter((part) => part.left < part.right && part.top < part.bottom);
            for (const other of element.parentElement.children)
                if (other !== element && outside.some((part) => overlap(part, other.getBoundingClientRect())))
                    found.push(`${element.id} "${element.textContent}" runs into ${other.id}`);
        }
        return found;
    });
    expectEqual(cut, [], `texts cut at ${what}`);
}

// The screenshot of one window, saved as shots/BROWSER-WINDOW-ZOOM[-SCHEME].png when asked.
async function shoot(page, window, name) {
    const png = Buffer.from(await (await page.$(LAYOUTS[window].selector)).screenshot());
    if (options.shots) {
        mkdirSync(options.shots, { recursive: true });
        writeFileSync(join(options.shots, `${options.browser}-${window}-${name}.png`), png);
    }
    return decodePng(png);
}

// The share of 4x4 blocks of the 100 % picture whose mean colour differs clearly from that of
// the same place in the 200 % picture: text is drawn anew at each size, the rest must match.
function differenceFromHalved(small, large) {
    const mean = (picture, x, y, size) => {
        const sum = [0, 0, 0];
        for (let dy = 0; dy < size; ++dy)
            for (let dx = 0; dx < size; ++dx)
                picture.rgb(Math.min(x + dx, picture.width - 1), Math.min(y + dy, picture.height - 1))
                    .forEach((value, c) => (sum[c] += value / (size * size)));
        return sum;
    };
    let differing = 0, blocks = 0;
    for (let y = 0; y + 4 <= small.height; y += 4) {
        for (let x = 0; x + 4 <= small.width; x += 4) {
            const [one, two] = [mean(small, x, y, 4), mean(large, 2 * x, 2 * y, 8)];
            differing += Math.max(...one.map((value, c) => Math.abs(value - two[c]))) > 32 ? 1 : 0;
            ++blocks;
        }
    }
    return differing / blocks;
}

async function looksTheSameAtBothZooms(browser, address) {
    const pictures = {};
    for (const zoom of [1, 2]) {
        for (const longTexts of [false, true]) {
            const what = `${zoom * 100} %${longTexts ? " with long texts" : ""}`;
            const page = await openWindows(browser, address, { zoom, longTexts });
            await checkPlaces(page, zoom, what);
            await checkWholeTexts(page, what);
            if (!longTexts)
                for (const window of Object.keys(LAYOUTS))
                    (pictures[window] ||= {})[zoom] = await shoot(page, window, `${zoom * 100}`);
            await page.close();
        }
    }
    for (const [window, { 1: small, 2: large }] of Object.entries(pictures)) {
        expectTrue(Math.abs(large.width - 2 * small.width) <= 1 && Math.abs(large.height - 2 * small.height) <= 1,
            `${window} at 200 % is ${large.width}x${large.height}, at 100 % ${small.width}x${small.height}`);
        const share = differenceFromHalved(small, large);
        expectTrue(share < 0.04, `${window} at 200 % differs from 100 % in ${(share * 100).toFixed(1)} % of its pixels`);
    }
}

// Every text of both windows against what is behind it, and the windows' own colours.
async function readableTexts(page) {
    return page.evaluate(() => {
        const rgb = (text) => (text.match(/[\d.]+/g) || []).slice(0, 4).map(Number);
        const opaque = (text) => { const c = rgb(text); return c.length === 3 || c[3] > 0; };
        const behind = (element) => {
            for (let at = element; at; at = at.parentElement) {
                const colour = getComputedStyle(at).backgroundColor;
                if (opaque(colour))
                    return rgb(colour).slice(0, 3);
            }
            return [255, 255, 255];
        };
        const texts = document.querySelectorAll(".field, .header, .unit-mark, .label, .address, .frame-caption, "
            + "#Command1, #MenuAbout, #AboutCaption, .close-box");
        return {
            windows: [...document.querySelectorAll(".window")].map((each) => rgb(getComputedStyle(each).backgroundColor).slice(0, 3)),
            texts: [...texts].map((element) => ({
                id: element.id || element.className,
                colour: rgb(getComputedStyle(element).color).slice(0, 3),
                background: behind(element),
                shown: element.getBoundingClientRect().width > 0 && getComputedStyle(element).visibility === "visible",
            })),
        };
    });
}

// The menu entry reached by F10 shows its text on the highlight itself: most of the text's box
// has the highlight's colour between the letters (under forced colours a browser may draw a
// plate of the page's colour there instead, on which the highlight's text colour is lost).
async function highlightedEntryReadable(page, scheme) {
    await page.keyboard.press("F10");
    const entry = await page.$("#MenuAbout");
    const text = await entry.evaluate((element) => {
        const range = document.createRange();
        range.selectNodeContents(element);
        const [own, box] = [element.getBoundingClientRect(), range.getBoundingClientRect()];
        return [box.left - own.left, box.top - own.top, box.width, box.height].map(Math.round);
    });
    const picture = decodePng(Buffer.from(await entry.screenshot()));
    const highlight = picture.rgb(2, 2);
    let same = 0;
    for (let y = text[1]; y < text[1] + text[3]; ++y)
        for (let x = text[0]; x < text[0] + text[2]; ++x)
            same += picture.rgb(x, y).every((value, c) => Math.abs(value - highlight[c]) <= 24) ? 1 : 0;
    expectTrue(same > text[2] * text[3] / 2,
        `the highlighted menu entry under ${scheme}: rgb(${highlight}) behind ${same} of its text's ${text[2] * text[3]} pixels`);
}

async function readableInEachScheme(address) {
    // [scheme, the browser's settings for it]; forced colours only where a page can ask for them.
    const schemes = [["dark", { firefoxPrefs: { "layout.css.prefers-color-scheme.content-override": 0, "ui.systemUsesDarkTheme": 1 } }]];
    if (options.browser === "chromium")
        schemes.push(["forced", {}]);
    for (const [scheme, settings] of schemes) {
        const browser = await launch("de-DE", settings);
        try {
            const page = await openWindows(browser, address, { scheme });
            const { windows, texts } = await readableTexts(page);
            if (scheme === "dark")
                for (const [index, colour] of windows.entries())
                    expectTrue(Math.max(...colour) < 128, `window ${index + 1} under the dark scheme has rgb(${colour})`);
            for (const text of texts) {
                expectTrue(text.shown, `${text.id} not shown under ${scheme}`);
                const ratio = contrast(text.colour, text.background);
                expectTrue(ratio >= 4.5, `${text.id} under ${scheme}: rgb(${text.colour}) on rgb(${text.background}), contrast ${ratio.toFixed(2)}`);
            }
            // OK's focus ring, back on it by the keyboard, against About's own colour.
            await page.keyboard.press("Tab");
            await page.keyboard.down("Shift");
            await page.keyboard.press("Tab");
            await page.keyboard.up("Shift");
            const ring = await page.$eval("#Command1:focus-visible", (button) => {
                const rgba = (text) => (text.match(/[\d.]+/g) || []).map(Number);
                const [r, g, b, a = 1] = rgba(getComputedStyle(button).outlineColor);
                const under = rgba(getComputedStyle(button.closest(".window")).backgroundColor);
                return [[r, g, b].map((value, c) => value * a + under[c] * (1 - a)), under.slice(0, 3)];
            });
            expectTrue(contrast(...ring) >= 3, `OK's focus ring under ${scheme}: rgb(${ring[0]}) on rgb(${ring[1]})`);
            if (scheme === "dark") {
                for (const id of ["Text4", "Text6"])
                    expectEqual(texts.filter((text) => text.id === id).map((text) => [text.colour, text.background]),
                        [[RESULT_COLOURS.text, RESULT_COLOURS.background]], `${id}'s colours under the dark scheme`);
                for (const id of ["Label1", "Label2"]) {
                    const [colour] = texts.filter((text) => text.id === id).map((text) => text.colour);
                    expectTrue(colour[1] > colour[0] && colour[1] > colour[2], `${id} is no longer green: rgb(${colour})`);
                }
            }
            for (const window of Object.keys(LAYOUTS))
                await shoot(page, window, `100-${scheme}`);
            await highlightedEntryReadable(page, scheme);
        } finally {
            await browser.close();
        }
    }
}

await run(async () => {
    const { server, address } = await serveSite();
    try {
        const browser = await launch("de-DE");
        try {
            await looksTheSameAtBothZooms(browser, address);
        } finally {
            await browser.close();
        }
        await readableInEachScheme(address);
    } finally {
        server.close();
    }
});
