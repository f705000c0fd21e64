import { About } from "./about.js";

// At most one About window: made by the first About command, brought forward by the next ones,
// made afresh after it was closed. The shared lifetime in the module decides; `afterClose` runs
// once a window has gone (the main window takes the focus back).
export class AboutController {
    constructor(desktop, facts, native, afterClose) {
        this.desktop = desktop;
        this.facts = facts;
        this.native = native;
        this.afterClose = afterClose;
        this.about = null;
    }

    show() {
        if (this.native.aboutCommand() === 1) {
            this.about = new About(this.desktop, this.facts, this.native, () => {
                this.about = null;
                this.afterClose();
            });
        } else {
            this.about.present();
        }
    }
}
