import { EditField } from "./edit_field.js";
import { KeyboardMenuBar } from "./keyboard_menu_bar.js";
import { place } from "./pixels.js";
import { RefreshTimer } from "./refresh_timer.js";
import { fontCss } from "./window_font.js";

// The main window: its menu bar with the About entry, its two frames with their headers, fields
// and unit marks where the shared layout puts them, and the six fields, which the module's
// refresh cycle reads and writes on each tick of Timer1. It stays hidden until open() has
// written its fields' first texts.
export class FormTarvola {
    constructor(parent, facts, showAbout) {
        this.facts = facts;
        this.native = null; // the module, from open()
        this.element = document.createElement("main");
        this.element.className = "window main-window opening";
        this.element.setAttribute("aria-label", facts.caption.trim());
        this.menuBar = new KeyboardMenuBar(facts.aboutMenuEntry, showAbout);
        this.element.append(this.menuBar.element);

        const client = document.createElement("div");
        client.className = "client";
        client.style.width = `${facts.form.client[2]}px`;
        client.style.height = `${facts.form.client[3]}px`;
        this.element.append(client);
        parent.append(this.element);

        const controls = new Map();
        for (const control of facts.form.controls) {
            const element = this.createControl(control);
            controls.set(control.name, element);
            (control.container ? controls.get(control.container) : client).append(element);
        }
        // The fields in tab order, which is also the order in which the module's fields find them.
        this.fields = facts.form.fields.map((field, index) => {
            const input = controls.get(field.name);
            input.setAttribute("aria-label", field.accessibleName);
            if (field.readOnly)
                input.classList.add("result");
            // A result is drawn smaller where it would not fit; what is typed scrolls, as typing does.
            const fitting = field.readOnly ? {
                points: facts.form.controls.find((control) => control.name === field.name).font.points,
                step: facts.fonts.fitStepPoints,
                smallest: facts.fonts.smallestFittedPoints,
            } : null;
            // Pastes go through the module's paste rule once the window is open (it is hidden
            // before).
            return new EditField(input, field.maxLength, fitting, field.readOnly,
                                 (text) => (this.native ? this.native.paste(index, text) : false));
        });
    }

    // Opens the window as the desktop does once the module is ready: its fields take their
    // default texts, the window shows with the focus in the first field, and Timer1 starts.
    open(native) {
        this.native = native;
        native.useFields(this.fields);
        native.writeDefaultTexts();
        this.element.classList.remove("opening");
        // The field the window opens in has its text selected, as after Tab: typing replaces the
        // default instead of meeting its length limit.
        this.fields[0].input.focus();
        this.fields[0].input.select();
        this.Timer1 = new RefreshTimer(this.facts.intervalMs, native.refreshTick);
        this.Timer1.start();
    }

    createControl(control) {
        let element;
        if (control.kind === "field") {
            element = document.createElement("input");
            element.type = "text";
            element.autocomplete = "off";
            element.spellcheck = false;
            element.className = "field";
        } else if (control.kind === "frame") {
            element = document.createElement("div");
            element.className = "frame";
            element.setAttribute("role", "group");
            const caption = document.createElement("span");
            caption.className = "frame-caption";
            caption.id = `${control.name}_caption`;
            caption.textContent = control.text;
            element.setAttribute("aria-labelledby", caption.id);
            element.append(caption);
        } else {
            element = document.createElement("span");
            element.className = control.kind === "header" ? "header" : "unit-mark";
            element.textContent = control.text;
            if (control.kind === "unitMark")
                element.setAttribute("aria-hidden", "true"); // the fields' names say the unit
        }
        element.id = control.name;
        element.style.font = fontCss(control.font);
        place(element, control.rect);
        return element;
    }
}
