// The pictures the single file carries inside it, by file name, from its data block; none on
// the site, where they lie beside the page.
let inlinedPictures;

// Where a picture of the page is: inside the page, or beside it.
function pictureUrl(file) {
    if (inlinedPictures === undefined) {
        const block = document.getElementById("tarvola-pictures");
        inlinedPictures = block ? JSON.parse(block.textContent) : {};
    }
    return inlinedPictures[file] || file;
}

// One of About's pictures at its size, from the file drawn at twice the size on screens that
// use it; decorative (alt="") until the caller names it. The hand cursor is in the style sheet.
export function aboutPicture(name) {
    const files = {
        Picture1: ["tarvola.png", "tarvola_96.png"],
        PictureDon: ["donation.png", "donation_2x.png"],
        Image1: ["mail_32.png", "mail_64.png"],
        Image2: ["site_banner.png", "site_banner_2x.png"],
    }[name];
    const picture = document.createElement("img");
    picture.src = pictureUrl(files[0]);
    picture.srcset = `${pictureUrl(files[1])} 2x`;
    picture.alt = "";
    picture.draggable = false;
    return picture;
}
