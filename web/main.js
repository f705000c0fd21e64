// Starts the page; the bundle made from this module and what it imports is the page's one script.
import { AboutController } from "./about_controller.js";
import { FormTarvola } from "./form_tarvola.js";
import { guarded } from "./handlers_and_text.js";
import { userSeparators } from "./user_separators.js";

// The module's functions, with texts as JavaScript strings.
function bindNative(module) {
    const call = (name, result, args) => module.cwrap(name, result, args);
    return {
        setSeparators: call("tarvola_set_separators", null, ["string", "string"]),
        // The main window's fields (EditField), in tab order, for the module's fields to read and
        // write: each text lives in its input alone.
        useFields: (fields) => { module.editFields = fields; },
        writeDefaultTexts: call("tarvola_write_default_texts", null, []),
        refreshTick: call("tarvola_refresh_tick", null, []),
        // A paste into the field at that index: true when the shared rule dealt with it. The
        // module reads the text from pastedText.
        paste: ((pasteCall) => (index, text) => {
            module.pastedText = text;
            try {
                return pasteCall(index) === 1;
            } finally {
                module.pastedText = "";
            }
        })(call("tarvola_paste", "number", ["number"])),
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
}

// The module's loader, given the module the site's head has compiled while the page's files
// arrived, if it has; the single file's module is inside its script.
function loadModule() {
    const compiled = globalThis.Tarvola && globalThis.Tarvola.compiledModule;
    const options = { locateFile: (file) => file };
    if (!compiled)
        return globalThis.createTarvolaModule(options);
    return new Promise((resolve, reject) => {
        options.instantiateWasm = (imports, receive) => {
            compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
                .catch(reject);
            return {}; // the exports come through receive
        };
        globalThis.createTarvolaModule(options).then(resolve, reject);
    });
}

// Resolves once the browser has drawn the frame it was about to draw (the page's first one, with
// the window, when the scripts come before it); a tab in the background draws no frames, and
// does not wait for one.
function afterWindowDrawn() {
    return new Promise((resolve) => {
        requestAnimationFrame(() => setTimeout(resolve, 0));
        setTimeout(resolve, 100);
    });
}

// Starts the page, whose main window is drawn with it and takes no input yet: the module,
// compiling while the user's separators are read; then the window's events, and the window
// opens with its fields' first texts under those separators, Timer1 and the About command.
async function start() {
    const desktop = document.getElementById("desktop");
    try {
        const loading = loadModule();
        // The browser's number formats take tens of milliseconds to load the first time: read
        // while the module compiles, once the window is drawn, which they would hold back.
        await afterWindowDrawn();
        const separatorsAtStart = userSeparators();
        const facts = JSON.parse(document.getElementById("tarvola-facts").textContent);
        let about = null;
        const form = new FormTarvola(desktop, facts, () => about && about.show());
        const native = bindNative(await loading);
        // Read again when the user changes the browser's languages, as the desktop reads its
        // locale afresh.
        const readSeparators = (separators = userSeparators()) => {
            native.setSeparators(separators.decimal, separators.group);
        };
        readSeparators(separatorsAtStart);
        window.addEventListener("languagechange", guarded(() => readSeparators()));

        // The window was made when the browser had read the page's document, which holds it.
        const navigation = performance.getEntriesByType("navigation")[0];
        form.open(native, navigation && navigation.domInteractive > 0 ? navigation.domInteractive : performance.now());
        about = new AboutController(desktop, facts, native, () => form.menuBar.item.focus());
        // The main window, for the browser's console and the page's tests.
        globalThis.Tarvola = { form };
    } catch (error) {
        console.error(error);
        desktop.textContent = typeof WebAssembly === "object"
            ? "Tarvola could not load its converter. Reload the page to try again."
            : "Tarvola could not start in this browser: it needs WebAssembly.";
    }
    // The site keeps itself for offline use; the single file, which names no manifest, has no
    // worker to keep it.
    if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol)
        && document.querySelector('link[rel="manifest"]'))
        navigator.serviceWorker.register("service_worker.js").catch((error) => console.warn(error));
}

start();
