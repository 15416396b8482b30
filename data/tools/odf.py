"""Small writer of flat OpenDocument files (.fodt text, .fods spreadsheet)
from a compact block description; used by make_documents.py."""
import re
from xml.sax.saxutils import escape

FONTS = ["Times New Roman", "Verdana", "Courier New", "Symbol", "Wingdings"]

_HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0"
 xmlns:dc="http://purl.org/dc/elements/1.1/"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.3" office:mimetype="{mime}">
<office:meta><dc:title>{title}</dc:title><meta:initial-creator>DRAVIK</meta:initial-creator><dc:language>el-GR</dc:language></office:meta>
<office:font-face-decls>
{fonts}
</office:font-face-decls>
"""


def _font_decls():
    out = []
    for f in FONTS:
        extra = ' style:font-charset="x-symbol"' if f in ("Symbol", "Wingdings") else ""
        out.append(f'<style:font-face style:name="{f}" svg:font-family="\'{f}\'"{extra}/>')
    return "\n".join(out)


_TEXT_STYLES = """<office:styles>
<style:default-style style:family="paragraph">
 <style:paragraph-properties fo:margin-bottom="0.12cm"/>
 <style:text-properties style:font-name="Times New Roman" fo:font-size="11pt" fo:language="el" fo:country="GR"/>
</style:default-style>
<style:style style:name="Standard" style:family="paragraph"/>
<style:style style:name="DocTitle" style:family="paragraph">
 <style:paragraph-properties fo:text-align="center" fo:margin-bottom="0.35cm"/>
 <style:text-properties style:font-name="Verdana" fo:font-size="14pt" fo:font-weight="bold"/>
</style:style>
<style:style style:name="Heading" style:family="paragraph">
 <style:paragraph-properties fo:margin-top="0.3cm" fo:margin-bottom="0.15cm" fo:keep-with-next="always"/>
 <style:text-properties style:font-name="Verdana" fo:font-size="11pt" fo:font-weight="bold" fo:color="#1f497d"/>
</style:style>
<style:style style:name="Body" style:family="paragraph">
 <style:paragraph-properties fo:text-align="justify"/>
</style:style>
<style:style style:name="Right" style:family="paragraph">
 <style:paragraph-properties fo:text-align="end"/>
</style:style>
<style:style style:name="Center" style:family="paragraph">
 <style:paragraph-properties fo:text-align="center"/>
</style:style>
<style:style style:name="Mono" style:family="paragraph">
 <style:text-properties style:font-name="Courier New" fo:font-size="10pt"/>
</style:style>
<style:style style:name="Cell" style:family="paragraph">
 <style:text-properties style:font-name="Verdana" fo:font-size="9pt"/>
</style:style>
<style:style style:name="CellHead" style:family="paragraph">
 <style:paragraph-properties fo:text-align="center"/>
 <style:text-properties style:font-name="Verdana" fo:font-size="9pt" fo:font-weight="bold"/>
</style:style>
<style:style style:name="B" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
<style:style style:name="I" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
<style:style style:name="U" style:family="text"><style:text-properties style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
<text:list-style style:name="Dots">
 <text:list-level-style-bullet text:level="1" text:bullet-char="\uf0b7">
  <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
   <style:list-level-label-alignment text:label-followed-by="listtab" text:list-tab-stop-position="1.27cm" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
  </style:list-level-properties>
  <style:text-properties style:font-name="Symbol"/>
 </text:list-level-style-bullet>
</text:list-style>
<text:list-style style:name="Squares">
 <text:list-level-style-bullet text:level="1" text:bullet-char="\uf0a7">
  <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
   <style:list-level-label-alignment text:label-followed-by="listtab" text:list-tab-stop-position="1.27cm" fo:text-indent="-0.635cm" fo:margin-left="1.27cm"/>
  </style:list-level-properties>
  <style:text-properties style:font-name="Wingdings"/>
 </text:list-level-style-bullet>
</text:list-style>
</office:styles>
<office:automatic-styles>
<style:style style:name="Tbl" style:family="table"><style:table-properties style:width="16cm" table:align="center"/></style:style>
<style:style style:name="TblCell" style:family="table-cell"><style:table-cell-properties fo:padding="0.08cm" fo:border="0.5pt solid #000000"/></style:style>
<style:style style:name="TblHeadCell" style:family="table-cell"><style:table-cell-properties fo:padding="0.08cm" fo:border="0.5pt solid #000000" fo:background-color="#dbe5f1"/></style:style>
</office:automatic-styles>
"""


def inline(text):
    """**bold**, //italic//, __underline__ inside a run of text."""
    out = escape(text)
    out = re.sub(r"\*\*(.+?)\*\*", r'<text:span text:style-name="B">\1</text:span>', out)
    out = re.sub(r"//(.+?)//", r'<text:span text:style-name="I">\1</text:span>', out)
    out = re.sub(r"__(.+?)__", r'<text:span text:style-name="U">\1</text:span>', out)
    return out


def text_document(title, blocks):
    """blocks: (kind, payload) with kind title|h|p|right|center|mono|dots|squares|table."""
    body = []
    for kind, payload in blocks:
        if kind in ("dots", "squares"):
            style = "Dots" if kind == "dots" else "Squares"
            items = "".join(f'<text:list-item><text:p text:style-name="Body">{inline(i)}</text:p></text:list-item>'
                            for i in payload)
            body.append(f'<text:list text:style-name="{style}">{items}</text:list>')
        elif kind == "table":
            cols = len(payload[0])
            rows = []
            for n, row in enumerate(payload):
                cell_style, para = ("TblHeadCell", "CellHead") if n == 0 else ("TblCell", "Cell")
                cells = "".join(f'<table:table-cell table:style-name="{cell_style}" office:value-type="string">'
                                f'<text:p text:style-name="{para}">{inline(c)}</text:p></table:table-cell>' for c in row)
                rows.append(f"<table:table-row>{cells}</table:table-row>")
            body.append(f'<table:table table:name="T{len(body)}" table:style-name="Tbl">'
                        f'<table:table-column table:number-columns-repeated="{cols}"/>{"".join(rows)}</table:table>')
        else:
            style = {"title": "DocTitle", "h": "Heading", "p": "Body", "right": "Right", "center": "Center",
                     "mono": "Mono"}[kind]
            body.append(f'<text:p text:style-name="{style}">{inline(payload)}</text:p>')
    return (_HEAD.format(mime="application/vnd.oasis.opendocument.text", title=escape(title), fonts=_font_decls())
            + _TEXT_STYLES + "<office:body><office:text>\n" + "\n".join(body)
            + "\n</office:text></office:body></office:document>\n")


_SHEET_STYLES = """<office:styles>
<style:default-style style:family="table-cell"><style:text-properties style:font-name="Verdana" fo:font-size="10pt"/></style:default-style>
</office:styles>
<office:automatic-styles>
<style:style style:name="co1" style:family="table-column"><style:table-column-properties style:column-width="1.2cm"/></style:style>
<style:style style:name="co2" style:family="table-column"><style:table-column-properties style:column-width="3.6cm"/></style:style>
<style:style style:name="head" style:family="table-cell"><style:table-cell-properties fo:background-color="#c6e0b4" fo:border="0.5pt solid #000000"/><style:text-properties fo:font-weight="bold"/></style:style>
<style:style style:name="cell" style:family="table-cell"><style:table-cell-properties fo:border="0.5pt solid #000000"/></style:style>
<style:style style:name="cap" style:family="table-cell"><style:text-properties fo:font-weight="bold" fo:font-size="12pt"/></style:style>
</office:automatic-styles>
"""


def _sheet_cell(value, style):
    # A formula is "=..." (its stored result 0) or ("=...", stored result), so
    # that readers which show stored results without recalculating agree.
    if isinstance(value, tuple) or (isinstance(value, str) and value.startswith("=")):
        formula, result = value if isinstance(value, tuple) else (value, 0)
        return (f'<table:table-cell table:style-name="{style}" table:formula="of:{escape(formula)}" '
                f'office:value-type="float" office:value="{result}"><text:p>{result}</text:p></table:table-cell>')
    if isinstance(value, (int, float)):
        return (f'<table:table-cell table:style-name="{style}" office:value-type="float" office:value="{value}">'
                f"<text:p>{value}</text:p></table:table-cell>")
    if value is None or value == "":
        return f'<table:table-cell table:style-name="{style}"/>'
    return (f'<table:table-cell table:style-name="{style}" office:value-type="string">'
            f"<text:p>{escape(value)}</text:p></table:table-cell>")


def spreadsheet(title, sheets):
    """sheets: (name, caption, header row, data rows); formulas as in _sheet_cell."""
    out = []
    for name, caption, header, rows in sheets:
        width = len(header)
        xml = [f'<table:table table:name="{escape(name)}">',
               '<table:table-column table:style-name="co1"/>',
               f'<table:table-column table:style-name="co2" table:number-columns-repeated="{width - 1}"/>',
               f'<table:table-row>{_sheet_cell(caption, "cap")}</table:table-row>',
               "<table:table-row/>",
               "<table:table-row>" + "".join(_sheet_cell(h, "head") for h in header) + "</table:table-row>"]
        for row in rows:
            xml.append("<table:table-row>" + "".join(_sheet_cell(v, "cell") for v in row) + "</table:table-row>")
        xml.append("</table:table>")
        out.append("".join(xml))
    return (_HEAD.format(mime="application/vnd.oasis.opendocument.spreadsheet", title=escape(title),
                         fonts=_font_decls())
            + _SHEET_STYLES + "<office:body><office:spreadsheet>\n" + "\n".join(out)
            + "\n</office:spreadsheet></office:body></office:document>\n")
