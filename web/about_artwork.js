"use strict";
var Tarvola = Tarvola || {};

// One of About's pictures at its size, from the file drawn at twice the size on screens that
// use it; decorative (alt="") until the caller names it. The hand cursor is in the style sheet.
Tarvola.aboutPicture = function (name) {
    const files = {
        Picture1: ["tarvola.png", "tarvola_96.png"],
        PictureDon: ["donation.png", "donation_2x.png"],
        Image1: ["mail_32.png", "mail_64.png"],
        Image2: ["site_banner.png", "site_banner_2x.png"],
    }[name];
    const picture = document.createElement("img");
    picture.src = Tarvola.pictureUrl(files[0]);
    picture.srcset = `${Tarvola.pictureUrl(files[1])} 2x`;
    picture.alt = "";
    picture.draggable = false;
    return picture;
};
