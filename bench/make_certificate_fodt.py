#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the certificate as a flat OpenDocument text (.fodt) for the office-suite baseline of the
PDF benchmark: the same page, texts, fonts, alignments, lines and pictures as the program's
template (app/resources/certificate.xml), with the variables filled with the benchmark's values.

usage: make_certificate_fodt.py <certificate.xml> <out.fodt>
"""
import base64
import html
import re
import sys
import xml.etree.ElementTree as ET

MM = 3.77953  # report units per millimetre
LEFT_MARGIN, TOP_MARGIN = 22.0, 10.0

# The values the benchmark also gives the program with --field.
VALUES = {
    "m1": "Minta Kft.", "m2": "Fő utca 1.", "m3": "Kiss Anna", "m4": "könyvelő",
    "m5": "2001. március 1.", "m9": "Kossuth tér 2.", "m13": "", "m7": "123 456", "m8": "0",
    "datum": "2026. 12. 09.", "azon": "526058187",
}
ALIGN = {"haLeft": "start", "haRight": "end", "haCenter": "center", "haBlock": "justify"}
VALIGN = {"vaTop": "top", "vaCenter": "middle", "vaBottom": "bottom"}


def fill(line):
    """The line with its bracketed variables replaced by their values."""
    return re.sub(r"\[(\w+)\]", lambda m: VALUES.get(m.group(1), ""), line)


def spans(text):
    """The line's text with <b>/<u> mark-up as OpenDocument spans."""
    out, bold, underline = [], False, False
    for part in re.split(r"(</?[bu]>)", text):
        tag = part.lower()
        if tag in ("<b>", "</b>"):
            bold = tag == "<b>"
        elif tag in ("<u>", "</u>"):
            underline = tag == "<u>"
        elif part:
            style = {(False, False): None, (True, False): "B", (False, True): "U",
                     (True, True): "BU"}[(bold, underline)]
            escaped = html.escape(part, quote=False).replace("  ", " <text:s/>")
            out.append(f'<text:span text:style-name="{style}">{escaped}</text:span>' if style
                       else escaped)
    return "".join(out)


def main(source, target):
    raw = open(source, "rb").read().decode("cp1250")
    root = ET.fromstring(re.sub(r"^<\?xml[^>]*\?>", "", raw))
    page = root.find("TrpReportPage")
    paragraph_styles, body, frame_id = {}, [], 0
    for node in page:
        a = node.attrib
        if a.get("Visible") == "False":
            continue
        x = LEFT_MARGIN + float(a.get("Left", 0)) / MM
        y = TOP_MARGIN + float(a.get("Top", 0)) / MM
        w = float(a.get("Width", 0)) / MM
        h = float(a.get("Height", 0)) / MM
        frame_id += 1
        if node.tag == "TrpMemoView":
            size = a.get("Font.Size", "10")
            key = (a.get("Font.Name", "Arial"), size, a.get("Font.Style", "0") == "1",
                   ALIGN[a.get("HAlign", "haLeft")], a.get("Font.Color", "0"))
            name = paragraph_styles.setdefault(key, f"P{len(paragraph_styles) + 1}")
            lines = a.get("Memo", "").replace("\r\n", "\n").rstrip("\n").split("\n")
            text = "".join(f'<text:p text:style-name="{name}">{spans(fill(line))}</text:p>'
                           for line in lines)
            valign = VALIGN[a.get("VAlign", "vaTop")]
            body.append(
                f'<draw:frame draw:style-name="F{valign}" draw:name="f{frame_id}" '
                f'text:anchor-type="page" text:anchor-page-number="1" svg:x="{x:.3f}mm" '
                f'svg:y="{y:.3f}mm" svg:width="{w:.3f}mm" svg:height="{h:.3f}mm">'
                f"<draw:text-box>{text}</draw:text-box></draw:frame>")
        elif node.tag == "TrpLineView":
            style = "Ldot" if a.get("Frame.Style") == "fsDot" else "Lsolid"
            x2, y2 = x + w, y + h
            body.append(
                f'<draw:line draw:style-name="{style}" text:anchor-type="page" '
                f'text:anchor-page-number="1" svg:x1="{x:.3f}mm" svg:y1="{y:.3f}mm" '
                f'svg:x2="{x2:.3f}mm" svg:y2="{y2:.3f}mm"/>')
        elif node.tag == "TrpPictureView":
            data = bytes.fromhex(a["Picture.Data"])
            jpeg = data[1 + data[0] + 4:]
            body.append(
                f'<draw:frame draw:style-name="Fimage" draw:name="f{frame_id}" '
                f'text:anchor-type="page" text:anchor-page-number="1" svg:x="{x:.3f}mm" '
                f'svg:y="{y:.3f}mm" svg:width="{w:.3f}mm" svg:height="{h:.3f}mm"><draw:image>'
                f"<office:binary-data>{base64.b64encode(jpeg).decode()}</office:binary-data>"
                "</draw:image></draw:frame>")

    styles = []
    for (font, size, bold, align, color), name in paragraph_styles.items():
        rgb = int(color)
        colour = f"#{rgb & 0xFF:02x}{rgb >> 8 & 0xFF:02x}{rgb >> 16 & 0xFF:02x}"
        styles.append(
            f'<style:style style:name="{name}" style:family="paragraph">'
            f'<style:paragraph-properties fo:text-align="{align}" fo:margin="0mm"/>'
            f'<style:text-properties style:font-name="{font}" fo:font-size="{size}pt" '
            f'fo:color="{colour}"' + (' fo:font-weight="bold"' if bold else "") + "/></style:style>")
    fonts = sorted({key[0] for key in paragraph_styles})
    document = f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:font-face-decls>{"".join(f'<style:font-face style:name="{f}" svg:font-family="{f}"/>' for f in fonts)}</office:font-face-decls>
<office:styles>
<draw:stroke-dash draw:name="dot" draw:style="rect" draw:dots1="1" draw:dots1-length="0.2mm" draw:distance="0.2mm"/>
</office:styles>
<office:automatic-styles>
<style:page-layout style:name="A4"><style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm" style:print-orientation="portrait" fo:margin-top="{TOP_MARGIN}mm" fo:margin-bottom="25mm" fo:margin-left="{LEFT_MARGIN}mm" fo:margin-right="20mm"/></style:page-layout>
{"".join(styles)}
<style:style style:name="B" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
<style:style style:name="U" style:family="text"><style:text-properties style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
<style:style style:name="BU" style:family="text"><style:text-properties fo:font-weight="bold" style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
{"".join(f'<style:style style:name="F{v}" style:family="graphic"><style:graphic-properties draw:stroke="none" draw:fill="none" fo:padding-left="0.53mm" fo:padding-right="0.53mm" fo:padding-top="0.26mm" fo:padding-bottom="0mm" draw:textarea-vertical-align="{v}" style:wrap="run-through" style:vertical-pos="from-top" style:vertical-rel="page" style:horizontal-pos="from-left" style:horizontal-rel="page"/></style:style>' for v in VALIGN.values())}
<style:style style:name="Fimage" style:family="graphic"><style:graphic-properties draw:stroke="none" style:wrap="run-through" style:vertical-pos="from-top" style:vertical-rel="page" style:horizontal-pos="from-left" style:horizontal-rel="page"/></style:style>
<style:style style:name="Lsolid" style:family="graphic"><style:graphic-properties draw:stroke="solid" svg:stroke-color="#000000" svg:stroke-width="0.26mm" style:wrap="run-through"/></style:style>
<style:style style:name="Ldot" style:family="graphic"><style:graphic-properties draw:stroke="dash" draw:stroke-dash="dot" svg:stroke-color="#000000" svg:stroke-width="0.26mm" style:wrap="run-through"/></style:style>
</office:automatic-styles>
<office:master-styles><style:master-page style:name="Standard" style:page-layout-name="A4"/></office:master-styles>
<office:body><office:text>{"".join(body)}<text:p/></office:text></office:body>
</office:document>
"""
    with open(target, "w", encoding="utf-8") as out:
        out.write(document)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
