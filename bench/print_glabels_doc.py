# Writes the peer's document and merge source for bench_print.sh: the same sheet (30 labels
# of 2 5/8 x 1 inch on US Letter) and the same three texts per label as bench_print.cpp.
#   print_glabels_doc.py LABELS DOC.glabels DATA.csv
import sys
n = int(sys.argv[1]); out = sys.argv[2]; csv = sys.argv[3]
with open(csv, "w") as f:
    f.write("ext,name,dept\n")
    for i in range(n):
        f.write(f"{2000+i},Extension holder {i},Department {i%17}\n")
def text(y, h, field, size, weight="Regular", italic="False"):
    return (f'    <Object-text x="6.5pt" y="{y}pt" w="176pt" h="{h}pt" justify="Center" valign="Center" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">\n'
            f'      <Span color="0x000000ff" font_family="Liberation Sans" font_size="{size}" font_weight="{weight}" font_italic="{italic}" line_spacing="1"><Field name="{field}"/></Span>\n'
            f'    </Object-text>\n')
doc = ('<?xml version="1.0"?>\n<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">\n'
 '  <Template brand="Bench" part="30" size="US-Letter" description="30 labels 2-5/8 x 1 in">\n'
 '    <Meta category="label"/>\n'
 '    <Label-rectangle id="0" width="189pt" height="72pt" round="0pt" x_waste="0pt" y_waste="0pt">\n'
 '      <Markup-margin size="6pt"/>\n'
 '      <Layout nx="3" ny="10" x0="13.5pt" y0="36pt" dx="198pt" dy="72pt"/>\n'
 '    </Label-rectangle>\n  </Template>\n  <Objects id="0" rotate="False">\n'
 + text(4, 22, "ext", 12, "Bold") + text(27, 20, "name", 10) + text(48, 20, "dept", 8, italic="True") +
 f'  </Objects>\n  <Merge type="Text/Comma/Line1Keys" src="{csv}"/>\n</Glabels-document>\n')
open(out, "w").write(doc)
