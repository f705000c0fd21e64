import { guarded } from "./handlers_and_text.js";

// The main window's timer, Timer1: once started, calls `onTick` every `interval` milliseconds,
// first after one interval, for as long as the page is open; a tick that throws is skipped and
// the next ones come all the same.
export class RefreshTimer {
    constructor(interval, onTick) {
        this.interval = interval;
        this.onTick = onTick;
        this.id = null;
    }

    start() {
        if (this.id === null)
            this.id = setInterval(guarded(() => this.tick()), this.interval);
    }

    stop() {
        clearInterval(this.id);
        this.id = null;
    }

    get isActive() {
        return this.id !== null;
    }

    // One refresh at once, outside the timer's rhythm.
    tick() {
        this.onTick();
    }
}
