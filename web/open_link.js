// Hands a link to the browser: a web page opens in a new tab, so that the converter stays where
// it is; a mail link goes to the user's mail program, and the page stays.
export function openLink(target) {
    if (/^https?:/i.test(target))
        window.open(target, "_blank", "noopener");
    else
        window.open(target, "_self");
}
