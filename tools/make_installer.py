#!/usr/bin/env python3
"""Makes the Windows Installer package of the panel from the folder the zip is
made of: a per-user install (no administrator) into
%LOCALAPPDATA%\\Programs\\Sorvane, a Start menu shortcut, an entry in the list
of installed programs, and an upgrade that replaces an older version and
refuses to put an older one over a newer. Its SHA-256 goes beside it.

Only the files of the folder belong to the package: the settings, Tramvik.ini
and the log, which the panel writes beside itself, are left where they are
when the package is upgraded or removed.

wixl writes every text in the database in code page 0 and drops what is not
ASCII. So every Japanese text goes into the source as a placeholder, and once
wixl is done the database is set to code page 932 and the placeholders are
replaced with msibuild; the result is read back and compared.

Usage: make_installer.py --stage FOLDER --version X.Y.Z --icon ICO --output MSI
                         [--wixl P] [--msibuild P] [--msiinfo P]"""
import argparse
import hashlib
import os
import subprocess
import sys
import tempfile
import uuid
from xml.sax.saxutils import quoteattr

# Never changes: Windows Installer recognises every version of the panel by it.
UPGRADE_CODE = "{4C3A8E52-6F0B-4D8E-9B1A-2E7D5F903C61}"
# The product code and the components' codes are derived from these, so a
# rebuild of one version is the same product, and a file keeps its component.
PRODUCT_NAMESPACE = uuid.UUID("9E1F5B7A-3C24-4A86-8D0E-6B5C7A2F1D39")
PROGRAM = "Sorvane.exe"
SHORTCUT_DESCRIPTION = "スイッチで操作するスキャンパネル"
DOWNGRADE_MESSAGE = ("これより新しい版の「Sorvane＋。」が入っています。"
                     "古い版を入れるときは、先に今の版を削除してください。")


def guid(name):
    return "{" + str(uuid.uuid5(PRODUCT_NAMESPACE, name)).upper() + "}"


class Texts:
    """Placeholders for the texts wixl cannot carry."""

    def __init__(self):
        self.by_placeholder = {}

    def __call__(self, text):
        if text.isascii():
            return text
        try:
            text.encode("cp932")
        except UnicodeEncodeError:
            sys.exit("%r cannot be written in code page 932" % text)
        placeholder = "JPTEXT%03d" % len(self.by_placeholder)
        self.by_placeholder[placeholder] = text
        return placeholder


def short_name(index, name):
    ext = os.path.splitext(name)[1]
    return "SORV%02d~1%s" % (index, ext.upper()[:4])


def source(args, files, texts):
    file_rows = []
    for index, name in enumerate(files):
        component = "file%02d" % index
        long_name = name if name.isascii() else short_name(index, name) + "|" + name
        file_rows.append(
            '<Component Id="%s" Guid="%s"><File Id="%s" Name=%s Source=%s KeyPath="yes"/></Component>'
            % (component, guid("file " + name), component, quoteattr(texts(long_name)),
               quoteattr(name)))
    components = "\n".join(file_rows)
    refs = "\n".join('<ComponentRef Id="file%02d"/>' % i for i in range(len(files)))
    return f"""<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
<Product Id="{guid('product ' + args.version)}" Name="Sorvane" Language="1041" Version="{args.version}"
         Manufacturer="Sorvane" UpgradeCode="{UPGRADE_CODE}">
<Package InstallerVersion="500" Compressed="yes" InstallScope="perUser" Description="Sorvane {args.version}"/>
<MajorUpgrade DowngradeErrorMessage={quoteattr(texts(DOWNGRADE_MESSAGE))}/>
<Media Id="1" Cabinet="sorvane.cab" EmbedCab="yes"/>
<Icon Id="Sorvane.ico" SourceFile={quoteattr(os.path.relpath(args.icon, args.stage))}/>
<Property Id="ARPPRODUCTICON" Value="Sorvane.ico"/>
<Property Id="ARPNOMODIFY" Value="1"/>
<Property Id="ARPNOREPAIR" Value="1"/>
<Directory Id="TARGETDIR" Name="SourceDir">
  <Directory Id="LocalAppDataFolder">
    <Directory Id="ProgramsFolder" Name="Programs">
      <Directory Id="INSTALLDIR" Name="Sorvane">
{components}
      </Directory>
    </Directory>
  </Directory>
  <Directory Id="ProgramMenuFolder">
    <Component Id="shortcut" Guid="{guid('start menu shortcut')}">
      <Shortcut Id="panel" Name="Sorvane" Description={quoteattr(texts(SHORTCUT_DESCRIPTION))}
                Target="[INSTALLDIR]{PROGRAM}" WorkingDirectory="INSTALLDIR"/>
      <RegistryValue Root="HKCU" Key="Software\\Sorvane\\Installer" Name="Shortcut" Type="integer"
                     Value="1" KeyPath="yes"/>
    </Component>
  </Directory>
</Directory>
<Feature Id="Panel" Level="1">
{refs}
<ComponentRef Id="shortcut"/>
</Feature>
</Product>
</Wix>
"""


def run(*command, cwd=None):
    done = subprocess.run(command, capture_output=True, cwd=cwd)
    # wixl warns about what it does not know on stderr; a failure is what counts.
    if done.returncode != 0:
        sys.exit("%s failed:\n%s%s" % (command[0], done.stdout.decode(errors="replace"),
                                        done.stderr.decode(errors="replace")))
    # msiinfo gives the tables' texts in UTF-8, lines ended by CR LF.
    return done.stdout.decode("utf-8")


def table_rows(args, msi, table):
    """The rows of a table as (primary key columns, row dict)."""
    lines = run(args.msiinfo, "export", msi, table).split("\r\n")
    columns = lines[0].split("\t")
    keys = lines[2].split("\t")[1:]
    rows = [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]
    return keys, rows


def sql_text(text):
    return "'" + text.replace("'", "''") + "'"


def put_japanese_texts(args, msi, texts):
    with tempfile.TemporaryDirectory() as folder:
        codepage = os.path.join(folder, "_ForceCodepage.idt")
        with open(codepage, "w", newline="") as f:
            f.write("\r\n\r\n932\t_ForceCodepage\r\n")
        run(args.msibuild, msi, "-i", codepage)
    wanted = {}
    for table in run(args.msiinfo, "tables", msi).split():
        if table.startswith("_"):
            continue
        keys, rows = table_rows(args, msi, table)
        for row in rows:
            for column, value in row.items():
                if "JPTEXT" not in value:
                    continue
                text = value
                for placeholder, japanese in texts.by_placeholder.items():
                    text = text.replace(placeholder, japanese)
                where = " AND ".join("`%s` = %s" % (key, sql_text(row[key])) for key in keys)
                run(args.msibuild, msi, "-q",
                    "UPDATE `%s` SET `%s` = %s WHERE %s" % (table, column, sql_text(text), where))
                wanted[(table, tuple(row[key] for key in keys), column)] = text
    # Read back: every text is there whole, as code page 932 carries it.
    for (table, key, column), text in wanted.items():
        keys, rows = table_rows(args, msi, table)
        found = [row[column] for row in rows if tuple(row[k] for k in keys) == key]
        if found != [text]:
            sys.exit("the package's %s.%s reads %r, not %r" % (table, column, found, text))
    if len(wanted) < len(texts.by_placeholder):
        sys.exit("wixl left out %d of the package's Japanese texts"
                 % (len(texts.by_placeholder) - len(wanted)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--stage", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--wixl", default="wixl")
    parser.add_argument("--msibuild", default="msibuild")
    parser.add_argument("--msiinfo", default="msiinfo")
    args = parser.parse_args()
    args.stage, args.icon, args.output = map(os.path.abspath, (args.stage, args.icon, args.output))
    files = sorted(name for name in os.listdir(args.stage)
                   if os.path.isfile(os.path.join(args.stage, name)))
    if PROGRAM not in files:
        sys.exit("no %s in %s" % (PROGRAM, args.stage))
    texts = Texts()
    made = args.output + ".part"
    with tempfile.TemporaryDirectory() as folder:
        wxs = os.path.join(folder, "Sorvane.wxs")
        with open(wxs, "w", encoding="utf-8") as f:
            f.write(source(args, files, texts))
        if os.path.exists(made):
            os.remove(made)
        # wixl takes only paths relative to the folder it runs in.
        run(args.wixl, "-a", "x64", "-o", made, wxs, cwd=args.stage)
    put_japanese_texts(args, made, texts)
    os.replace(made, args.output)
    with open(args.output, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(args.output + ".sha256", "w", newline="\n") as f:
        f.write("%s  %s\n" % (digest, os.path.basename(args.output)))


if __name__ == "__main__":
    main()
