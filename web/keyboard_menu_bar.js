import { guarded } from "./handlers_and_text.js";

// The main window's menu bar (`bar`, drawn with the page) with its one entry, About, which the
// mouse and the keyboard open: Enter, Space and, as on the desktop, the Down arrow on the entry;
// F10 goes to the menu bar and Escape back to where the focus was.
export class KeyboardMenuBar {
    constructor(bar, showAbout) {
        const item = bar.querySelector("#MenuAbout");
        item.addEventListener("click", guarded(() => showAbout()));
        let focusBefore = null; // where F10 came from
        item.addEventListener("keydown", guarded((event) => {
            if (event.key === "ArrowDown") { // as on the desktop
                event.preventDefault();
                showAbout();
            } else if (event.key === "Escape" && focusBefore && focusBefore.isConnected) {
                event.preventDefault();
                focusBefore.focus();
            }
        }));
        item.addEventListener("blur", () => { focusBefore = null; });
        // F10 goes to the menu bar, as on the desktop, where the browser passes it on.
        document.addEventListener("keydown", guarded((event) => {
            if (event.key === "F10" && !event.shiftKey) {
                event.preventDefault();
                const from = document.activeElement;
                item.focus();
                focusBefore = from !== item ? from : focusBefore;
            }
        }));
        this.element = bar;
        this.item = item;
    }
}
