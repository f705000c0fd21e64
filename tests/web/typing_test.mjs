// The main window in the browser, driven by real keys, clicks and clipboard pastes: the same
// conversions as the desktop gives in the user's language, the length limits, read-only
// results, focus and tab order, a selection that outlives the refresh, the caption, Timer1's
// interval, and the separators following the browser's language.
// Usage: node typing_test.mjs --browser chromium|firefox --site DIR --caption TEXT
import {
    afterTicks, allowClipboard, expectEqual, expectTrue, fieldTexts, launch, openPage, options,
    pasteInto, pressControl, run, selectField, serveSite, typeInto, waitFor,
} from "./harness.mjs";

const INPUTS = ["Text1", "Text2", "Text3", "Text5"];
const OVERRIDES = "\u202E".repeat(5000);

// What the decimal fields show when the page opens, by language.
const DECIMAL_DEFAULT = { "de-DE": "000,00000", "en-US": "000,00000", "ar-EG": "000\u066B00000" };

// The desktop's conversions. A row types its four texts into Text1, Text2, Text3 and Text5, or
// types 45, 30, 45 and then pastes one text into each of the four; `kept` is what the four then
// hold (when the row checks it), text4 and text6 the results after the next refresh.
const CONVERSIONS = [
    { language: "de-DE", type: ["45", "30", "45", "12,5825"], text4: "45,5125", text6: " 12° 34' 57\"" },
    { language: "de-DE", type: ["10", "20", "0", "180"], text4: "10,333333", text6: " 180° 0' 0\"" },
    { language: "de-DE", type: ["-99", "30", "0", "-1000"], text4: "-98,5", text6: " -1000° 0' 0\"" },
    { language: "de-DE", type: ["180", "99", "99", "1,15"], text4: "181,6775", text6: " 1° 9' 0\"" },
    { language: "de-DE", type: ["2,5", "0", "0", ""], text4: "2", text6: " ° 0' 0\"" },
    // Out of range: both inputs go back to their defaults within a tick.
    { language: "de-DE", type: ["181", "00", "00", "1e5"], kept: ["000", "00", "00", "000,00000"],
      text4: "0", text6: " 0° 0' 0\"" },
    { language: "en-US", type: ["45", "30", "45", "12.5825"], text4: "45.5125", text6: " 12° 34' 57\"" },
    { language: "en-US", type: ["10", "20", "0", "180"], text4: "10.333333", text6: " 180° 0' 0\"" },
    { language: "en-US", type: ["180", "99", "99", "1.15"], text4: "181.6775", text6: " 1° 9' 0\"" },
    { language: "en-US", type: ["2.5", "0", "0", ""], text4: "2", text6: " ° 0' 0\"" },
    { language: "ar-EG", type: ["45", "30", "45", "12\u066B5825"], text4: "45\u066B5125", text6: " 12° 34' 57\"" },
    // The digits an Arabic keyboard types.
    { language: "ar-EG", type: ["\u0664\u0665", "\u0663\u0660", "\u0664\u0665", "\u0661\u0662\u066B\u0665\u0668\u0662\u0665"],
      text4: "45\u066B5125", text6: " 12° 34' 57\"" },
    { language: "ar-EG", type: ["181", "00", "00", "1e5"], kept: ["000", "00", "00", "000\u066B00000"],
      text4: "0", text6: " 0° 0' 0\"" },
    { language: "de-DE", paste: `${OVERRIDES}\u0000\t\x1b[2J\u{1F600}9e9999`,
      kept: [OVERRIDES.slice(0, 3), OVERRIDES.slice(0, 2), OVERRIDES.slice(0, 2), OVERRIDES.slice(0, 9)],
      text4: "45,5125" /* not numbers: the degrees result keeps its value */, text6: " ° 0' 0\"" },
    { language: "de-DE", paste: `12,5825${"9".repeat(5000)}`, kept: ["12,", "12", "12", "12,582599"],
      text4: "12,203333", text6: " 12° 34' 57\"" },
    // A single-line field keeps what comes before the first line break.
    { language: "de-DE", paste: "12,5\r\n", kept: ["12,", "12", "12", "12,5"], text4: "12,203333", text6: " 12° 30' 0\"" },
    { language: "de-DE", paste: "45\nrm -rf", kept: ["45", "45", "45", "45"], text4: "45,7625", text6: " 45° 0' 0\"" },
    { language: "en-US", paste: `12.5825${"9".repeat(5000)}`, kept: ["12.", "12", "12", "12.582599"],
      text4: "12.203333", text6: " 12° 34' 57\"" },
    // A coordinate fills its converter, the degrees floored and the rest added, or the decimal
    // field to nine characters; degrees of four characters refuse the paste (45 30 45 stay).
    { language: "de-DE", paste: "33°51′54″S", kept: ["-34", "8", "6", "-33,865"], text4: "-33,865", text6: " -34° 8' 6\"" },
    { language: "en-US", paste: "48°51'30.2\"N", kept: ["48", "51", "30", "48.858389"], text4: "48.858333",
      text6: " 48° 51' 30\"" },
    { language: "ar-EG", paste: "122° 25' 9.8\" W", kept: ["45", "30", "45", "-122\u066B4194"], text4: "45\u066B5125",
      text6: " -123° 34' 50\"" },
];

// Length limits in Unicode characters (the desktop counts UTF-16 units, so keeps fewer emoji).
const LIMITS = [
    { field: "Text1", type: "1234", kept: "123" },
    // Over a selection of "123": the paste ends as the replaced text did, yet is cut at its end.
    { field: "Text1", paste: "4,53", kept: "4,5" },
    { field: "Text2", type: "123", kept: "12" },
    { field: "Text3", type: "123", kept: "12" },
    // Below the decimal bound, so that no refresh puts the field back to its default meanwhile.
    { field: "Text5", type: "-1234567890", kept: "-12345678" },
    { field: "Text5", paste: "0,000000000001", kept: "0,0000000" },
    { field: "Text1", paste: "\u{1F600}\u{1F600}\u{1F600}\u{1F600}", kept: "\u{1F600}\u{1F600}\u{1F600}" },
    { field: "Text1", type: "\u{1F600}\u{1F600}1", kept: "\u{1F600}\u{1F600}1" },
    { field: "Text5", paste: "\u{1F600}".repeat(10), kept: "\u{1F600}".repeat(9) },
];

// Types or pastes one conversion row and checks what the fields then show.
async function checkConversion(page, row) {
    const what = `${row.language} ${JSON.stringify(row.type || row.paste).slice(0, 60)}`;
    const texts = row.type || ["45", "30", "45"];
    for (let i = 0; i < texts.length; ++i)
        await typeInto(page, INPUTS[i], texts[i]);
    if (row.paste !== undefined) {
        await afterTicks(page, 1);
        for (const field of INPUTS)
            await pasteInto(page, field, row.paste);
        const found = await fieldTexts(page);
        expectEqual([found[0], found[1], found[2], found[4]], row.kept, `${what}: inputs after the paste`);
    }
    await afterTicks(page, 2);
    const found = await fieldTexts(page);
    expectEqual([found[3], found[5]], [row.text4, row.text6], `${what}: Text4 and Text6`);
    if (row.type && row.kept)
        expectEqual([found[0], found[1], found[2], found[4]], row.kept, `${what}: inputs after a tick`);
}

// Each limit row, then the results refusing keys, Backspace and a paste.
async function checkLimitsAndResults(page) {
    for (const row of LIMITS) {
        if (row.type !== undefined)
            await typeInto(page, row.field, row.type);
        else
            await pasteInto(page, row.field, row.paste);
        const value = await page.$eval(`#${row.field}`, (input) => input.value);
        expectEqual(value, row.kept, `${row.field} after ${row.type !== undefined ? "typing" : "pasting"} ${row.type || row.paste}`);
    }
    await pasteInto(page, "Text5", "7"); // the clipboard holds "7" for the pastes below
    await typeInto(page, "Text1", "45");
    await afterTicks(page, 2);
    const before = await fieldTexts(page);
    for (const result of ["Text4", "Text6"]) {
        await selectField(page, result);
        await page.keyboard.type("12");
        await page.keyboard.press("Backspace");
        await pressControl(page, "v");
        expectEqual(await page.$eval(`#${result}`, (input) => input.value),
            before[result === "Text4" ? 3 : 5], `${result} after typing, Backspace and a paste`);
    }
}

// Ways to select in a result, by the keyboard after a click in it: [what, keys (a key, or a
// modifier and a key held with it), the selection in "45"]. Home and Shift+Arrow move in a
// read-only field as in any other.
const RESULT_SELECTIONS = [
    ["Control+A", [["Control", "a"]], [0, 2]],
    ["Home and Shift+Right", [["Home"], ["Shift", "ArrowRight"]], [0, 1]],
    ["End and Shift+Left", [["End"], ["Shift", "ArrowLeft"]], [1, 2]],
];

// A selection in a result is still there after several ticks, which write nothing into a result
// whose text stays, and copies what it shows.
async function checkSelectionOutlivesTicks(page) {
    await typeInto(page, "Text1", "45");
    await typeInto(page, "Text2", "0");
    await typeInto(page, "Text3", "0");
    await waitFor(page, () => document.getElementById("Text4").value === "45", undefined, 5000);
    for (const [what, keys, expected] of RESULT_SELECTIONS) {
        await afterTicks(page, 2); // the paste of the row before has its results
        await page.click("#Text4");
        for (const [first, second] of keys) {
            if (second === undefined) {
                await page.keyboard.press(first);
                continue;
            }
            await page.keyboard.down(first);
            await page.keyboard.press(second);
            await page.keyboard.up(first);
        }
        // Counts what is written into the results' inputs: a browser keeps a selection over a
        // write of the same text, but the write still redraws the field and tells screen readers
        // of a change.
        await page.evaluate(() => {
            const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, "value");
            window.tarvolaResultWrites = 0;
            for (const id of ["Text4", "Text6"])
                Object.defineProperty(document.getElementById(id), "value", {
                    get() { return value.get.call(this); },
                    set(text) { ++window.tarvolaResultWrites; value.set.call(this, text); },
                    configurable: true,
                });
        });
        await afterTicks(page, 5);
        const selection = await page.$eval("#Text4", (input) => [input.selectionStart, input.selectionEnd]);
        expectEqual(selection, expected, `the selection in Text4 by ${what}, after five ticks`);
        expectEqual(await page.evaluate(() => {
            for (const id of ["Text4", "Text6"])
                delete document.getElementById(id).value;
            return window.tarvolaResultWrites;
        }), 0, `writes into Text4 and Text6 in five ticks that left their texts as they were (${what})`);
        await pressControl(page, "c");
        await selectField(page, "Text5");
        await pressControl(page, "v");
        expectEqual(await page.$eval("#Text5", (input) => input.value), "45".slice(...expected),
            `what Control+C copied from Text4 after ${what}`);
    }
}

// A result wider than its field in the field's own size is drawn whole, and stays so after Tab
// selects it and the focus leaves again (Firefox scrolls a field to the end of its selection).
async function checkWideResultShowsWhole(page) {
    await typeInto(page, "Text5", "-123,4567");
    await afterTicks(page, 2);
    await page.keyboard.press("Tab");
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    expectEqual(await page.$eval("#Text6", (input) => [input.scrollWidth > input.clientWidth, input.scrollLeft]),
        [false, 0], "Text6, wider than its field in its own size, cut or scrolled after Tab and Shift+Tab");
}

// Records the delay of every interval timer the page starts, from before its scripts run.
const recordIntervals = (page) => page.evaluateOnNewDocument(() => {
    window.tarvolaIntervals = [];
    const setInterval = window.setInterval;
    window.setInterval = (handler, delay, ...rest) => {
        window.tarvolaIntervals.push(delay);
        return setInterval(handler, delay, ...rest);
    };
});

// Notes, at every frame from before the page's scripts run, whether the main window shows while
// a field lacks its first text, or takes input before it has opened (what was typed then would
// give way to the defaults the module writes); and the texts it first showed.
const watchOpening = (page) => page.evaluateOnNewDocument(() => {
    window.tarvolaOpeningFaults = [];
    window.tarvolaFirstShown = null;
    const look = () => {
        const main = document.querySelector(".main-window");
        const opened = window.Tarvola && window.Tarvola.form;
        if (main && main.checkVisibility({ visibilityProperty: true })) {
            window.tarvolaFirstShown ??= [1, 2, 3, 4, 5, 6].map((n) => document.getElementById(`Text${n}`)?.value);
            if ([1, 2, 3, 4, 5, 6].some((n) => (document.getElementById(`Text${n}`)?.value ?? "") === ""))
                window.tarvolaOpeningFaults.push("shown before its fields had their first texts");
            if (!opened && !main.inert)
                window.tarvolaOpeningFaults.push("taking input before it opened");
        }
        if (!opened)
            requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
});

// Timer1 as on the desktop: an interval of 100 ms, the only interval timer the page runs; once
// started, a first tick no earlier than about one interval later (the clock starts before the
// timer, so a stall can only make the time seen longer; timers may fire a little early), with
// the inputs' conversion in Text4, and the ticks going on.
async function checkTimer1(page) {
    expectEqual(await page.evaluate(() => [Tarvola.form.Timer1.interval, window.tarvolaIntervals]), [100, [100]],
        "Timer1's interval and the intervals the page started, in ms");
    const seen = await page.evaluate(async () => {
        const timer = Tarvola.form.Timer1;
        timer.stop();
        for (const [id, text] of [["Text1", "45"], ["Text2", "30"], ["Text3", "45"]])
            document.getElementById(id).value = text;
        const ticks = [];
        const tick = timer.tick;
        timer.tick = () => {
            tick.call(timer);
            ticks.push({ at: performance.now(), text4: document.getElementById("Text4").value });
        };
        const start = performance.now();
        timer.start();
        await new Promise((done) => {
            const poll = () => (ticks.length >= 3 || performance.now() - start > 2000 ? done() : setTimeout(poll, 5));
            poll();
        });
        timer.tick = tick;
        return { first: ticks.length ? ticks[0].at - start : null, text4: ticks.length ? ticks[0].text4 : null,
                 count: ticks.length, active: timer.isActive };
    });
    expectTrue(seen.first !== null && seen.first >= 90, `a tick well before the interval: the first ${seen.first} ms after the start`);
    expectEqual(seen.text4, "45,5125", "Text4 after Timer1's first tick");
    expectTrue(seen.count >= 3 && seen.active, `the ticks stopped after ${seen.count}`);
}

// The separators are read again when the browser's languages change, as the desktop reads its
// locale afresh: "1.5" reads as 15 where the dot groups, and as 1.5 once the language is English.
async function checkSeparatorsFollowTheLanguage(page) {
    const switchTo = (languages) => page.evaluate((list) => {
        Object.defineProperty(navigator, "languages", { get: () => list, configurable: true });
        window.dispatchEvent(new Event("languagechange"));
    }, languages);
    await typeInto(page, "Text5", "1.5");
    await afterTicks(page, 2);
    expectEqual((await fieldTexts(page))[5], " 15\u00B0 0' 0\"", "Text6 of 1.5 in German");
    await switchTo(["en-US"]);
    await afterTicks(page, 2);
    expectEqual((await fieldTexts(page))[5], " 1\u00B0 30' 0\"", "Text6 of 1.5 after the language became English");
    await switchTo(["de-DE"]);
    await afterTicks(page, 2);
}

// Where the focus is on load and where Tab and Shift+Tab take it, each field's text selected;
// the caption as the page's title.
async function checkFocusAndTitle(page) {
    const focused = () => page.evaluate(() => document.activeElement && document.activeElement.id);
    // Whether the focused field has its whole text selected, so that typing replaces it.
    const wholeSelected = () => page.evaluate(() => {
        const input = document.activeElement;
        return input.selectionStart === 0 && input.selectionEnd === input.value.length && input.value.length > 0;
    });
    expectEqual(await focused(), "Text1", "the focus on load");
    expectTrue(await wholeSelected(), "Text1's text selected on load");
    const order = [];
    for (let i = 0; i < 5; ++i) {
        await page.keyboard.press("Tab");
        order.push(await focused());
        expectTrue(await wholeSelected(), `the text of ${order[i]} selected after Tab`);
    }
    expectEqual(order, ["Text2", "Text3", "Text4", "Text5", "Text6"], "the fields Tab goes through");
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    expectTrue(await wholeSelected(), "the text of Text5 selected after Shift+Tab");
    expectTrue(options.caption, "--caption must give the main window's caption");
    expectEqual(await page.$eval("title", (title) => title.textContent), options.caption, "the page's title");
}

await run(async () => {
    // The page comes in two pieces, cut inside the main window, as over a slow link.
    const { server, address } = await serveSite({ pageCutBefore: 'id="Text6"' });
    try {
        for (const language of ["de-DE", "en-US", "ar-EG"]) {
            const browser = await launch(language);
            try {
                await allowClipboard(browser, address);
                const page = await openPage(browser, address, (opening) => Promise.all([recordIntervals(opening), watchOpening(opening)]));
                const opened = await fieldTexts(page);
                expectEqual([opened[4]], [DECIMAL_DEFAULT[language]], `${language}: Text5 on load`);
                expectEqual(await page.evaluate(() => [...new Set(window.tarvolaOpeningFaults)]), [],
                    `${language}: the main window while it opened`);
                // The window is drawn before the user's separators are read, with the defaults
                // under the page's own language: only where the user's differ does a text change
                // as it opens.
                const firstShown = await page.evaluate(() => window.tarvolaFirstShown);
                expectEqual([0, 1, 2, 4].map((i) => firstShown[i]),
                            language === "ar-EG" ? ["000", "00", "00", "000,00000"] : [0, 1, 2, 4].map((i) => opened[i]),
                            `${language}: the fields' texts in the window's first frame`);
                if (language === "de-DE") {
                    await checkFocusAndTitle(page);
                    await checkLimitsAndResults(page);
                    await checkSelectionOutlivesTicks(page);
                    await checkWideResultShowsWhole(page);
                    await checkTimer1(page);
                    await checkSeparatorsFollowTheLanguage(page);
                }
                for (const row of CONVERSIONS.filter((row) => row.language === language))
                    await checkConversion(page, row);
            } finally {
                await browser.close();
            }
        }
    } finally {
        server.close();
    }
});
