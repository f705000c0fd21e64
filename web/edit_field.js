import { characterCount, guarded } from "./handlers_and_text.js";

// One of the main window's text fields: an input that takes at most `maxLength` Unicode
// characters (null: any number). Typing beyond the limit is refused and a paste is cut to fit,
// as on the desktop. A paste keeps what comes before its first line break, as a single-line
// field on Windows does (a browser would join the lines). The module's refresh cycle reads
// `text` and calls `write` (web/edit_field.h); a write changes the input only when the text is
// new, so that a selection or the caret in it stays where the user put it.
// With `fitting` ({ points, step, smallest }: the field's own size, the step and the smallest
// size, in points) a text the cycle writes that is wider than the field is drawn smaller until
// it shows whole: a result cut at the field's edge would read as another angle.
// A `readOnly` field (a result) refuses every edit, yet its caret and selection move by the
// keyboard as in any field. It is not read-only to the browser, since Chromium moves no caret
// in a read-only input (Home and Shift+Arrow did nothing there): assistive software is told it
// is read-only, and a touch screen shows no keyboard for it.
// `pasteRule(text)` sees every paste into an input first (keyboard, context menu, a phone's
// long-press): when it answers true, it has dealt with the paste (an angle written into the
// converter, or refused) and the field takes nothing.
export class EditField {
    constructor(input, maxLength, fitting = null, readOnly = false, pasteRule = () => false) {
        this.input = input;
        this.maxLength = maxLength;
        this.fitting = fitting;
        this.readOnly = readOnly;
        this.pasteRule = pasteRule;
        this.accepted = input.value;
        this.replaced = null; // the selection an edit replaces, from its beforeinput
        if (readOnly) {
            input.setAttribute("aria-readonly", "true");
            input.inputMode = "none";
            for (const type of ["beforeinput", "paste", "cut", "drop"])
                input.addEventListener(type, (event) => event.preventDefault());
            // What no event can refuse (a composition of an input method) is undone.
            input.addEventListener("input", guarded(() => { input.value = this.accepted; }));
        } else {
            input.addEventListener("beforeinput", guarded(() => this.noteReplaced()));
            input.addEventListener("paste", guarded((event) => this.paste(event)));
            input.addEventListener("input", guarded(() => this.limitLength()));
        }
        // Firefox leaves a field scrolled to the end of the text it selected on Tab: once the
        // focus leaves, the start of a text wider than the field is in view again, minus sign
        // included, as on the desktop.
        input.addEventListener("blur", guarded(() => { input.scrollLeft = 0; }));
    }

    get text() {
        return this.input.value;
    }

    write(text) {
        if (this.input.value !== text) {
            this.input.value = text;
            if (this.fitting)
                this.fitText();
        }
        this.accepted = this.input.value;
    }

    // Steps the font down from the field's own size until the text fits its width or the size
    // is the smallest; a shorter text gets the own size back.
    fitText() {
        const { input, fitting } = this;
        let points = fitting.points;
        input.style.fontSize = `${points}pt`;
        while (input.scrollWidth > input.clientWidth && points - fitting.step >= fitting.smallest) {
            points -= fitting.step;
            input.style.fontSize = `${points}pt`;
        }
    }

    // Notes the selection the coming edit replaces, for limitLength.
    noteReplaced() {
        this.replaced = { start: this.input.selectionStart, end: this.input.selectionEnd, text: this.input.value };
    }

    // A paste goes to the paste rule first. Otherwise a pasted text with line breaks goes in up
    // to its first one, as on the desktop; the browser itself would join the lines with spaces.
    paste(event) {
        const pasted = event.clipboardData ? event.clipboardData.getData("text/plain") : "";
        if (this.pasteRule(pasted)) {
            event.preventDefault();
            return;
        }
        const lineBreak = pasted.search(/[\r\n]/);
        if (lineBreak < 0)
            return;
        event.preventDefault();
        const line = pasted.slice(0, lineBreak);
        this.noteReplaced(); // an editing command sends no beforeinput
        if (line && document.execCommand("insertText", false, line))
            return;
        // No editing command (or nothing to insert): the selection gives way to the line.
        this.input.setRangeText(line, this.input.selectionStart, this.input.selectionEnd, "end");
        this.limitLength();
    }

    // Keeps what was typed or pasted up to the limit: the text before and after the change
    // stays, and the inserted part loses its tail.
    limitLength() {
        const value = this.input.value;
        const replaced = this.replaced;
        this.replaced = null;
        if (this.maxLength === null || characterCount(value) <= this.maxLength) {
            this.accepted = value;
            return;
        }
        const [head, tail] = this.unchangedEnds(value, replaced);
        const before = value.slice(0, head);
        const after = value.slice(value.length - tail);
        const room = Math.max(0, this.maxLength - characterCount(before) - characterCount(after));
        const kept = Array.from(value.slice(head, value.length - tail)).slice(0, room).join("");
        this.input.value = before + kept + after;
        const caret = before.length + kept.length;
        this.input.setSelectionRange(caret, caret);
        this.accepted = this.input.value;
    }

    // How many UTF-16 units at the start and at the end of `value` the edit left as they were:
    // the text around the selection it replaced when that is known and still there, else the
    // longest common start and end with the text before it, never splitting a character.
    unchangedEnds(value, replaced) {
        if (replaced) {
            const head = replaced.start;
            const tail = replaced.text.length - replaced.end;
            if (head + tail <= value.length && value.startsWith(replaced.text.slice(0, head))
                && value.endsWith(replaced.text.slice(replaced.end)))
                return [head, tail];
        }
        const old = replaced ? replaced.text : this.accepted;
        let head = 0;
        while (head < old.length && head < value.length && old[head] === value[head])
            ++head;
        if (head > 0 && /[\uD800-\uDBFF]/.test(value[head - 1]))
            --head; // never between the halves of one character
        let tail = 0;
        while (tail < old.length - head && tail < value.length - head
               && old[old.length - 1 - tail] === value[value.length - 1 - tail])
            ++tail;
        if (tail > 0 && /[\uDC00-\uDFFF]/.test(value[value.length - tail]))
            --tail;
        return [head, tail];
    }
}
