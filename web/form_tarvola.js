import { EditField } from "./edit_field.js";
import { KeyboardMenuBar } from "./keyboard_menu_bar.js";
import { RefreshTimer } from "./refresh_timer.js";

// The main window: its menu bar with the About entry, its two frames with their headers, fields
// and unit marks, which the page is drawn with from the shared layout (assemble_page.py), so
// that it shows before any script has come; this class routes their events. The six fields are
// the ones the module's refresh cycle reads and writes on each tick of Timer1. The window stays
// inert, drawn but taking no input, until open() has written its fields' first texts.
export class FormTarvola {
    constructor(parent, facts, showAbout) {
        this.facts = facts;
        this.native = null; // the module, from open()
        this.element = parent.querySelector(".main-window");
        this.menuBar = new KeyboardMenuBar(this.element.querySelector(".menu-bar"), showAbout);
        // The fields in tab order, which is also the order in which the module's fields find them.
        this.fields = facts.form.fields.map((field, index) => {
            const input = document.getElementById(field.name);
            // A result is drawn smaller where it would not fit; what is typed scrolls, as typing does.
            const fitting = field.readOnly ? {
                points: facts.form.controls.find((control) => control.name === field.name).font.points,
                step: facts.fonts.fitStepPoints,
                smallest: facts.fonts.smallestFittedPoints,
            } : null;
            // Pastes go through the module's paste rule once the window is open (it is inert
            // before).
            return new EditField(input, field.maxLength, fitting, field.readOnly,
                                 (text) => (this.native ? this.native.paste(index, text) : false));
        });
    }

    // Opens the window as the desktop does once the module is ready: its fields take their
    // default texts under the user's separators, the window takes input with the focus in the
    // first field, and Timer1 starts. Timer1 counts from when the window was made (`madeAt`, a
    // performance.now() time), as the desktop's counts from the window's load: the first result
    // comes one interval after that, or at once when opening took longer.
    open(native, madeAt = performance.now()) {
        this.native = native;
        native.useFields(this.fields);
        native.writeDefaultTexts();
        this.element.inert = false;
        // A selection made while the window was inert (a drag across it) would keep the first
        // field's selection from showing.
        document.getSelection()?.removeAllRanges();
        // The field the window opens in has its text selected, as after Tab: typing replaces the
        // default instead of meeting its length limit.
        this.fields[0].input.focus();
        this.fields[0].input.select();
        this.Timer1 = new RefreshTimer(this.facts.intervalMs, native.refreshTick);
        this.Timer1.start(madeAt);
    }
}
