// The About window of the page, driven with real mouse moves, clicks and keys: how it opens and
// closes, where the focus goes, the underlines that follow the pointer, and the links it opens.
// window.open is replaced by a recorder, so no mail program or tab opens, except in the one
// check that the site really opens in a new tab beside the converter (Chromium).
// Run as: node about_test.mjs --browser chromium|firefox --site DIR [--single-file FILE]
import { launch, serveSite, openPage, expectEqual, expectTrue, run, options } from "./harness.mjs";

// About's links, by the control that is the link: what the desktop hands to the shell and how
// the page opens it (a web page in a new tab, the mail link in place: the browser passes it to
// the mail program), the link's own target and name as the browser reads them for a middle
// click, "Open in new tab" or a screen reader, and the picture it shows, if any.
const LINKS = {
    Mail: { opens: ["mailto:contact@ulvo.example.org?Subject=Freeware Ulvo - Tarvola", "_self"],
            target: "", name: "Send mail", picture: "mail_32.png" },
    SiteUlvo: { opens: ["http://www.ulvo.example.org/", "_blank", "noopener"],
                target: "_blank", name: "Open web site", picture: "site_banner.png" },
    PictureDon: { opens: ["http://www.ulvo.example.org/DON.html", "_blank", "noopener"],
                  target: "_blank", name: "Donate", picture: "donation.png" },
};
const [MAIL, SITE, DONATION] = ["Mail", "SiteUlvo", "PictureDon"].map((id) => LINKS[id].opens);

// Places in the About window, by the control they are over: [element, x, y] in CSS pixels from
// the element's top left, or [element] for the middle of the part of it that shows.
const SPOTS = {
    background: ["AboutClient", 4, 150],      // left of every control, below the icon
    mailArea: ["Mail", 4, 4],                 // above the mail icon, left of the address
    mailIcon: ["Image1"],
    mailAddress: ["Label1"],
    siteArea: ["SiteUlvo", 165, 4],           // right of the banner, above the address
    banner: ["Image2"],
    siteAddress: ["Label2"],
    donation: ["PictureDon"],
    icon: ["Picture1"],
    title: ["Label3"],
    ok: ["Command1"],
};

// Replaces window.open in every document of the page with a recorder of its arguments.
const recordOpening = (page) => page.evaluateOnNewDocument(() => {
    window.tarvolaOpened = [];
    window.open = (...args) => {
        window.tarvolaOpened.push(args);
        return null;
    };
});

// Waits until what the last input started has run, should a browser run some of it in a later
// task (a click that a key makes); headless Chromium may draw no frames, so no frame is awaited.
const settle = (page) => page.evaluate(() => new Promise((done) => setTimeout(() => setTimeout(done, 0), 0)));

// What was opened since the last call.
async function takeOpened(page) {
    await settle(page);
    return page.evaluate(() => window.tarvolaOpened.splice(0));
}

const aboutCount = async (page) => (await settle(page), page.$$eval(".about-window", (windows) => windows.length));
const focusedId = async (page) => (await settle(page), page.evaluate(() => document.activeElement?.id
    || document.activeElement?.getAttribute("aria-label") || document.activeElement?.tagName));

// Whether each address label shows its underline: [Label1, Label2].
const underlines = async (page) => (await settle(page), page.evaluate(() => ["Label1", "Label2"].map((id) =>
    getComputedStyle(document.getElementById(id)).textDecorationLine.includes("underline"))));

// The point of a spot in the page's coordinates.
async function pointOf(page, spot) {
    return page.evaluate(([id, x, y]) => {
        const element = id === "AboutClient" ? document.querySelector(".about-window .client") : document.getElementById(id);
        const own = element.getBoundingClientRect();
        if (x !== undefined)
            return { x: own.left + x, y: own.top + y };
        const holder = element.parentElement.getBoundingClientRect();
        const left = Math.max(own.left, holder.left), right = Math.min(own.right, holder.right);
        const top = Math.max(own.top, holder.top), bottom = Math.min(own.bottom, holder.bottom);
        return { x: (left + right) / 2, y: (top + bottom) / 2 };
    }, SPOTS[spot]);
}

async function moveTo(page, spot) {
    const { x, y } = await pointOf(page, spot);
    await page.mouse.move(x, y);
}

// Opens About from the menu with the keyboard when none is open; the focus ends on OK.
async function ensureAbout(page) {
    if (await aboutCount(page) === 0) {
        await page.keyboard.press("F10");
        await page.keyboard.press("Enter");
    }
}

async function opensFromTheMenuAndClosesWithEscape(page) {
    // Each way to the About command: [name, what the user does].
    const ways = [
        ["mouse", () => page.click("#MenuAbout")],
        ["Enter", () => page.keyboard.press("Enter")],
        ["Space", () => page.keyboard.press(" ")],
        ["Down arrow", () => page.keyboard.press("ArrowDown")],
    ];
    // Escape on the menu goes back to the field F10 came from.
    await page.click("#Text3");
    await page.keyboard.press("F10");
    await page.keyboard.press("Escape");
    expectEqual(await focusedId(page), "Text3", "the focus after F10 and Escape");
    for (const [name, act] of ways) {
        await page.click("#Text1");
        await page.keyboard.press("F10");
        expectEqual(await focusedId(page), "MenuAbout", `F10 before opening by ${name}`);
        await act();
        expectEqual(await aboutCount(page), 1, `About windows after opening by ${name}`);
        expectEqual(await page.$eval(".about-window[role=dialog]", (dialog) =>
            document.getElementById(dialog.getAttribute("aria-labelledby"))?.textContent), "About Ulvo",
        `the dialog's label after opening by ${name}`);
        expectEqual(await focusedId(page), "Command1", `the focus after opening by ${name}`);
        await page.keyboard.press("Escape");
        expectEqual(await aboutCount(page), 0, `About windows after Escape (opened by ${name})`);
        expectEqual(await focusedId(page), "MenuAbout", `the focus after closing (opened by ${name})`);
    }
}

async function aSecondCommandShowsTheSameWindow(page) {
    await ensureAbout(page);
    await page.focus("#PictureDon");
    await page.evaluate(() => document.querySelector(".about-window").dataset.first = "yes");
    await page.click("#MenuAbout");
    await page.keyboard.press("F10");
    await page.keyboard.press("Enter");
    expectEqual(await page.$$eval(".about-window", (windows) => windows.map((each) => each.dataset.first)), ["yes"],
        "About windows after a second and third About command");
    expectEqual(await focusedId(page), "Command1", "the focus after About was asked for again");
}

async function tabsThroughTheLinksOkAndPictures(page) {
    await ensureAbout(page);
    await page.focus("#Command1");
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    const order = [await focusedId(page)];
    for (let step = 0; step < 6; ++step) {
        await page.keyboard.press("Tab");
        order.push(await focusedId(page));
    }
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    order.push(await focusedId(page));
    // Round and round, as in a window on the desktop: never out to the main window under About.
    expectEqual(order, ["Mail", "SiteUlvo", "Command1", "PictureDon", "Picture1", "Close", "Mail", "Close"],
        "the Tab order in About");
    // Each link is one: its address, where it opens, no opener, its name, and its picture shown.
    for (const [id, link] of Object.entries(LINKS)) {
        const found = await page.$eval(`#${id}`, (element) => {
            const picture = element.querySelector("img");
            return {
                tag: element.tagName, href: element.getAttribute("href"), target: element.target,
                opener: element.target === "_blank" && !element.relList.contains("noopener"),
                name: element.getAttribute("aria-label"),
                picture: picture && picture.complete && picture.naturalWidth > 0
                    ? decodeURI(new URL(picture.currentSrc).pathname.split("/").pop()) : null,
            };
        });
        expectEqual(found, { tag: "A", href: link.opens[0], target: link.target, opener: false, name: link.name,
                             picture: link.picture }, `the link ${id}`);
    }
}

async function underlinesFollowThePointer(page) {
    await ensureAbout(page);
    // The pointer's path, a move at a time, and the underlines after each: [Label1, Label2].
    const path = [
        ["background", [false, false]],
        ["mailArea", [true, false]],
        ["background", [false, false]],
        ["mailIcon", [true, false]],
        ["mailAddress", [true, false]],
        ["background", [false, false]],
        ["mailAddress", [false, false]],
        ["siteArea", [false, true]],
        ["background", [false, false]],
        ["banner", [false, true]],
        ["siteAddress", [false, true]],
        ["mailArea", [true, true]],
        ["title", [true, true]],
        ["background", [false, false]],
        ["siteAddress", [false, false]],
    ];
    for (const [index, [spot, expected]] of path.entries()) {
        await moveTo(page, spot);
        expectEqual(await underlines(page), expected, `underlines after move ${index + 1}, to ${spot}`);
    }
}

async function clicksOpenTheirLinkOnce(page) {
    await ensureAbout(page);
    // [pressed at, released at, clicks, what opens]
    const clicks = [
        ["mailArea", "mailArea", 1, [MAIL]],
        ["mailIcon", "mailIcon", 1, [MAIL]],
        ["mailAddress", "mailAddress", 1, [MAIL]],
        ["siteArea", "siteArea", 1, [SITE]],
        ["banner", "banner", 1, [SITE]],
        ["siteAddress", "siteAddress", 1, [SITE]],
        ["donation", "donation", 1, [DONATION]],
        ["mailAddress", "mailAddress", 2, [MAIL]],
        ["banner", "banner", 2, [SITE]],
        ["donation", "donation", 2, [DONATION]],
        ["mailArea", "siteArea", 1, []],
        ["banner", "background", 1, []],
        ["icon", "icon", 1, []],
        ["title", "title", 1, []],
        ["background", "background", 1, []],
    ];
    for (const [from, to, count, expected] of clicks) {
        await takeOpened(page);
        if (from === to) {
            const { x, y } = await pointOf(page, from);
            await page.mouse.click(x, y, { count });
        } else {
            await moveTo(page, from);
            await page.mouse.down();
            await moveTo(page, to);
            await page.mouse.up();
        }
        expectEqual(await takeOpened(page), expected, `opened by ${count} click(s) from ${from} to ${to}`);
        expectEqual(await aboutCount(page), 1, `About windows after clicks from ${from} to ${to}`);
    }
}

async function keysActivateTheFocusedControl(page) {
    // [focused control, key, presses of it held down, what opens, whether About closes]
    const keys = [
        ["Mail", "Enter", 1, [MAIL], false],
        ["SiteUlvo", "Enter", 1, [SITE], false],
        ["PictureDon", "Enter", 1, [DONATION], false],
        ["PictureDon", " ", 1, [DONATION], false],
        ["PictureDon", "Enter", 4, [DONATION], false],
        ["PictureDon", " ", 4, [DONATION], false],
        ["Picture1", "Enter", 1, [], false],
        ["Command1", "Enter", 1, [], true],
        ["Command1", " ", 1, [], true],
        ["Command1", "Escape", 1, [], true],
        ["PictureDon", "Escape", 1, [], true],
    ];
    for (const [id, key, presses, expected, closes] of keys) {
        await ensureAbout(page);
        await page.focus(`#${id}`);
        await takeOpened(page);
        for (let press = 0; press < presses; ++press)
            await page.keyboard.down(key);
        await page.keyboard.up(key);
        const what = `${JSON.stringify(key)} ${presses > 1 ? "held " : ""}on ${id}`;
        expectEqual(await takeOpened(page), expected, `opened by ${what}`);
        expectEqual(await aboutCount(page), closes ? 0 : 1, `About windows after ${what}`);
    }
    await ensureAbout(page);
    await page.click(".about-window .close-box");
    expectEqual(await aboutCount(page), 0, "About windows after a click on the close box");
}

async function opensAgainWithoutUnderlines(page) {
    await ensureAbout(page);
    await moveTo(page, "siteArea");
    await moveTo(page, "mailArea");
    expectEqual(await underlines(page), [true, true], "underlines before closing");
    await page.keyboard.press("Escape");
    await page.keyboard.press("F10");
    await page.keyboard.press("Enter");
    expectEqual(await underlines(page), [false, false], "underlines in the About window opened again");
}

// About opens wholly in view: beside the main window where there is room, else over it; the
// view of a 1280 x 800 screen at 200 % has no room beside it.
async function opensWithinTheView(browser, address) {
    for (const [width, height] of [[1280, 800], [640, 400]]) {
        const page = await openPage(browser, address, (page) => page.setViewport({ width, height }));
        await page.click("#MenuAbout");
        const [left, top, right, bottom] = await page.$eval(".about-window", (about) => {
            // On the page, not in the view, which scrolls to show the focused OK.
            const own = about.getBoundingClientRect();
            return [own.left + scrollX, own.top + scrollY, own.right + scrollX, own.bottom + scrollY];
        });
        expectTrue(left >= 0 && top >= 0 && right <= width && bottom <= height,
            `About at ${left},${top} to ${right},${bottom} in a ${width} x ${height} view`);
        await page.close();
    }
}

// Without the recorder: the site opens in a tab of its own and the converter stays as it was.
async function theSiteOpensInANewTab(browser, address) {
    const page = await openPage(browser, address);
    await page.click("#MenuAbout");
    const before = (await browser.pages()).length;
    const { x, y } = await pointOf(page, "banner");
    await page.mouse.click(x, y);
    const tab = await browser.waitForTarget((target) => target.url().startsWith(SITE[0]), { timeout: 10000 });
    expectTrue(tab.type() === "page", `the site opened as a ${tab.type()}`);
    expectEqual((await browser.pages()).length, before + 1, "tabs after a click on the banner");
    expectEqual(page.url(), address, "the converter's address after the site opened");
    expectEqual(await aboutCount(page), 1, "About windows after the site opened");
    expectEqual(await page.$eval("#Text4", (field) => field.value), "0", "Text4 after the site opened");
    await page.close();
}

await run(async () => {
    const browser = await launch();
    const { server, address } = await serveSite();
    try {
        const page = await openPage(browser, address, recordOpening);
        for (const check of [opensFromTheMenuAndClosesWithEscape, aSecondCommandShowsTheSameWindow,
                             tabsThroughTheLinksOkAndPictures, underlinesFollowThePointer,
                             clicksOpenTheirLinkOnce, keysActivateTheFocusedControl, opensAgainWithoutUnderlines])
            await check(page);
        await opensWithinTheView(browser, address);
        if (options.browser === "chromium")
            await theSiteOpensInANewTab(browser, address);
    } finally {
        await browser.close();
        server.close();
    }
});
