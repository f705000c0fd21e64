import { aboutPicture } from "./about_artwork.js";
import { guarded } from "./handlers_and_text.js";
import { openLink } from "./open_link.js";
import { place } from "./pixels.js";
import { readableColour } from "./readable_colour.js";
import { placeByDefault } from "./window_placement.js";

// The About window: a modeless window on the page with the program icon, title, version, the
// mail and site links, the donation picture and OK, laid out from the shared table. The shared
// behaviour decides the underlines, clicks and links; this class draws and reports events.
export class About {
    constructor(parent, facts, native, onGone) {
        this.facts = facts;
        this.native = native;
        this.onGone = onGone;
        const about = facts.about;

        this.element = document.createElement("section");
        this.element.className = "window about-window";
        this.element.setAttribute("role", "dialog");
        this.element.setAttribute("aria-labelledby", "AboutCaption");

        const captionBar = document.createElement("div");
        captionBar.className = "caption-bar";
        const caption = document.createElement("span");
        caption.id = "AboutCaption";
        caption.textContent = about.caption;
        captionBar.append(caption);
        this.element.append(captionBar);
        this.makeMovable(captionBar);

        this.client = document.createElement("div");
        this.client.className = "client";
        this.client.style.width = `${about.client[2]}px`;
        this.client.style.height = `${about.client[3]}px`;
        this.element.append(this.client);

        this.controls = new Map();
        for (const control of about.controls)
            this.controls.set(control.name, this.createControl(control));
        // In the document, which is the order Tab follows: the controls that do not take the
        // focus, then those that do by their tab index in the shared layout, each container
        // followed by what it holds, the topmost last so that it is drawn over the others.
        const takesFocus = (control) => this.controls.get(control.name).tabIndex >= 0;
        const rank = (control) => (takesFocus(control) ? control.tab : -1);
        const inWindow = about.controls.filter((control) => control.container === "Background")
            .sort((one, other) => rank(one) - rank(other));
        for (const control of inWindow) {
            const element = this.controls.get(control.name);
            this.client.append(element);
            for (const inner of about.controls.filter((each) => each.container === control.name).reverse())
                element.append(this.controls.get(inner.name));
        }

        const closeBox = document.createElement("button");
        closeBox.type = "button";
        closeBox.className = "close-box";
        closeBox.setAttribute("aria-label", "Close");
        closeBox.textContent = "\u00D7";
        closeBox.addEventListener("click", guarded(() => this.close()));
        // After the client in the document, so that Tab reaches it last; drawn in the caption bar.
        this.element.append(closeBox);

        this.listen();
        parent.append(this.element);
        placeByDefault(this.element, parent.querySelector(".main-window"));
        this.colourLinks();
        this.controls.get("Command1").focus();
    }

    createControl(control) {
        const texts = this.facts.about.texts;
        const names = this.facts.about.names;
        const links = this.facts.about.links;
        let element;
        switch (control.name) {
        case "Mail":
        case "SiteUlvo":
        case "PictureDon":
            // Real links, whose address a middle click, the browser's menu or a screen reader
            // reads; a click or a key opens them through the shared behaviour, once (listen).
            element = document.createElement("a");
            element.href = links[control.name];
            if (control.name !== "Mail") {
                element.target = "_blank";
                element.rel = "noopener";
            }
            element.setAttribute("aria-label", names[control.name]);
            element.className = "link-area";
            if (control.name === "PictureDon") { // the donation picture, named by its link
                const picture = aboutPicture(control.name);
                place(picture, [0, 0, control.rect[2], control.rect[3]]);
                element.append(picture);
            }
            break;
        case "Picture1":
        case "Image1":
        case "Image2":
            element = aboutPicture(control.name);
            if (control.name === "Picture1") {
                element.tabIndex = 0;
                element.alt = names[control.name];
            }
            break;
        case "Command1":
            element = document.createElement("button");
            element.type = "button";
            element.textContent = texts.Command1;
            break;
        default:
            element = document.createElement("span");
            element.textContent = texts[control.name];
            // Label3 and Label5 take the title's and the version's fonts from the style sheet.
            element.className = control.name === "Label1" || control.name === "Label2" ? "address" : "label";
        }
        element.id = control.name;
        element.dataset.control = control.id;
        if (control.hand)
            element.classList.add("hand");
        place(element, control.rect);
        return element;
    }

    listen() {
        const controlAt = (event) => {
            const bounds = this.client.getBoundingClientRect();
            const scale = bounds.width / this.client.offsetWidth || 1;
            return this.native.aboutControlAt(Math.floor((event.clientX - bounds.left) / scale),
                                              Math.floor((event.clientY - bounds.top) / scale));
        };
        this.client.addEventListener("mousemove", guarded((event) => {
            this.native.aboutPointerMoved(controlAt(event));
            this.apply();
        }));
        this.client.addEventListener("mousedown", guarded((event) => {
            if (event.button !== 0)
                return;
            if (event.detail >= 2)
                this.native.aboutDoubleClicked();
            else
                this.native.aboutPressed(controlAt(event));
        }));
        this.client.addEventListener("mouseup", guarded((event) => {
            if (event.button !== 0)
                return;
            const control = controlAt(event);
            if (control !== this.idOf("Command1")) // OK answers its own clicks, below
                this.native.aboutReleased(control);
            this.apply();
        }));
        // The links' mouse clicks come above. Enter opens a link once per press, from its keydown
        // (the donation picture's keys come below): Firefox gives the click that Enter makes a
        // count of 1, like a mouse click's. A click with no count is one from assistive software.
        for (const name of ["Mail", "SiteUlvo", "PictureDon"]) {
            const link = this.controls.get(name);
            if (name !== "PictureDon") {
                link.addEventListener("keydown", guarded((event) => {
                    if (event.key !== "Enter")
                        return;
                    event.preventDefault();
                    if (!event.repeat) {
                        this.native.aboutActivated(this.idOf(name));
                        this.apply();
                    }
                }));
            }
            link.addEventListener("click", guarded((event) => {
                event.preventDefault();
                if (event.detail === 0) {
                    this.native.aboutActivated(this.idOf(name));
                    this.apply();
                }
            }));
        }
        this.controls.get("Command1").addEventListener("click", guarded(() => {
            this.native.aboutActivated(this.idOf("Command1"));
            this.apply();
        }));
        this.controls.get("PictureDon").addEventListener("keydown", guarded((event) => {
            if ((event.key === "Enter" || event.key === " ")
                && this.native.aboutKey(this.idOf("PictureDon"), event.repeat)) {
                event.preventDefault();
                this.apply();
            }
        }));
        this.element.addEventListener("keydown", guarded((event) => {
            if (event.key === "Escape") {
                event.preventDefault();
                this.close();
            } else if (event.key === "Tab") {
                this.keepTabInside(event);
            }
        }));
    }

    // Tab goes round About's controls, as in a window on the desktop: from the last (the close
    // box) back to the first, and Shift+Tab from the first to the last. Leaving, it would reach
    // the main window's fields under About, where the focus cannot be seen.
    keepTabInside(event) {
        const stops = [...this.element.querySelectorAll("a[href], button, [tabindex]")]
            .filter((element) => element.tabIndex >= 0 && !element.disabled);
        const [first, last] = [stops[0], stops[stops.length - 1]];
        const next = event.shiftKey ? (document.activeElement === first ? last : null)
            : (document.activeElement === last ? first : null);
        if (next) {
            event.preventDefault();
            next.focus();
        }
    }

    idOf(name) {
        return Number(this.controls.get(name).dataset.control);
    }

    // What the shared behaviour asked for: the underlines, a link to open, closing.
    apply() {
        const underlines = this.native.aboutUnderlines();
        this.controls.get("Label1").classList.toggle("underlined", (underlines & 1) !== 0);
        this.controls.get("Label2").classList.toggle("underlined", (underlines & 2) !== 0);
        const link = this.native.aboutTakeLink();
        if (link)
            openLink(link);
        if (this.native.aboutTakeClose())
            this.close();
    }

    // The links' green where it reads on the window's own colour, else the nearest that does.
    colourLinks() {
        const colour = readableColour(this.native, this.facts.colours.link, this.element);
        if (colour) {
            this.controls.get("Label1").style.color = colour;
            this.controls.get("Label2").style.color = colour;
        }
    }

    // The caption bar moves the window, as on the desktop.
    makeMovable(captionBar) {
        captionBar.addEventListener("pointerdown", guarded((event) => {
            if (event.button !== 0 || event.target.closest(".close-box"))
                return;
            const startX = event.clientX - this.element.offsetLeft;
            const startY = event.clientY - this.element.offsetTop;
            captionBar.setPointerCapture(event.pointerId);
            const move = guarded((moved) => {
                this.element.style.left = `${Math.max(0, moved.clientX - startX)}px`;
                this.element.style.top = `${Math.max(0, moved.clientY - startY)}px`;
            });
            captionBar.addEventListener("pointermove", move);
            captionBar.addEventListener("pointerup", () => captionBar.removeEventListener("pointermove", move), { once: true });
        }));
    }

    // Brings the window forward with the focus on OK.
    present() {
        this.element.parentElement.append(this.element);
        this.controls.get("Command1").focus();
    }

    close() {
        if (!this.element.isConnected)
            return;
        this.element.remove();
        this.native.aboutGone();
        this.onGone();
    }
}
