"use strict";
var Tarvola = Tarvola || {};

// Where a picture of the page is: beside the page, or inside it (the single file sets
// Tarvola.pictures to the pictures' data).
Tarvola.pictureUrl = (file) => (Tarvola.pictures && Tarvola.pictures[file]) || file;

// The module's functions, with texts as JavaScript strings.
Tarvola.bindNative = function (module) {
    const call = (name, result, args) => module.cwrap(name, result, args);
    return {
        windowFacts: call("tarvola_window_facts", "string", []),
        setSeparators: call("tarvola_set_separators", null, ["string", "string"]),
        resetField: call("tarvola_reset_field", null, ["number"]),
        setField: call("tarvola_set_field", null, ["number", "string"]),
        fieldText: call("tarvola_field_text", "string", ["number"]),
        refreshTick: call("tarvola_refresh_tick", null, []),
        aboutCommand: call("tarvola_about_command", "number", []),
        aboutGone: call("tarvola_about_gone", null, []),
        aboutControlAt: call("tarvola_about_control_at", "number", ["number", "number"]),
        aboutPointerMoved: call("tarvola_about_pointer_moved", null, ["number"]),
        aboutPressed: call("tarvola_about_pressed", null, ["number"]),
        aboutDoubleClicked: call("tarvola_about_double_clicked", null, []),
        aboutReleased: call("tarvola_about_released", null, ["number"]),
        aboutActivated: call("tarvola_about_activated", null, ["number"]),
        aboutKey: call("tarvola_about_key", "number", ["number", "number"]),
        aboutUnderlines: call("tarvola_about_underlines", "number", []),
        aboutTakeLink: call("tarvola_about_take_link", "string", []),
        aboutTakeClose: call("tarvola_about_take_close", "number", []),
        readableLinkColour: call("tarvola_readable_link_colour", "number", ["number", "number"]),
    };
};

// Starts the page: the module, the user's separators, the main window, and the About command.
Tarvola.start = async function () {
    const desktop = document.getElementById("desktop");
    try {
        const module = await createTarvolaModule({ locateFile: (file) => file });
        const native = Tarvola.bindNative(module);
        const facts = JSON.parse(native.windowFacts());
        // Read again when the user changes the browser's languages, as the desktop reads its
        // locale afresh.
        const readSeparators = () => {
            const separators = Tarvola.userSeparators();
            native.setSeparators(separators.decimal, separators.group);
        };
        readSeparators();
        window.addEventListener("languagechange", Tarvola.guarded(readSeparators));

        let form = null;
        const about = new Tarvola.AboutController(desktop, facts, native, () => form.menuBar.item.focus());
        form = new Tarvola.FormTarvola(desktop, facts, native, () => about.show());
        Tarvola.form = form; // the main window, for the browser's console and the page's tests
    } catch (error) {
        console.error(error);
        desktop.textContent = "Tarvola could not start in this browser: it needs WebAssembly.";
    }
    if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol))
        navigator.serviceWorker.register("service_worker.js").catch((error) => console.warn(error));
};

Tarvola.start();
