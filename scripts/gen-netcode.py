#!/usr/bin/env python3
"""Writes the operator table data/netcode.csv from the provider database of
Debian's package mobile-broadband-provider-info.

    scripts/gen-netcode.py [serviceproviders.xml] [output.csv]

One row per mobile country code and network code. Where several providers
share a network, the row names the network's own operator: the provider
marked primary, else the one that lists the most network codes (an operator
lists all of its codes, a reseller usually only the ones it rents), else the
first. Rows are sorted by country code, then network code. The file is
Windows-1252 with CR LF line ends; every cell is in double quotes.
"""

import sys
import unicodedata
import xml.etree.ElementTree as ET
from pathlib import Path

DEFAULT_SOURCE = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml"
DEFAULT_OUTPUT = Path(__file__).resolve().parent.parent / "data" / "netcode.csv"
HEADER = ("Code", "Operator", "Landeskennzahl", "Netzkennzahl")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

# Names in scripts that Windows-1252 cannot show, written in Latin letters.
LATIN_NAMES = {
    "همراه اول": "Hamrah-e Avval",
    "ایرانسل": "Irancell",
    "楽天モバイル": "Rakuten Mobile",
}


def cp1252_name(name, fallback):
    """The name as Windows-1252 text: accents that code page lacks are
    dropped; a name in another script takes its Latin spelling or the
    fallback."""
    name = LATIN_NAMES.get(name, name)
    try:
        return name.encode("cp1252")
    except UnicodeEncodeError:
        pass
    stripped = "".join(c for c in unicodedata.normalize("NFKD", name)
                       if not unicodedata.combining(c))
    try:
        return stripped.encode("cp1252")
    except UnicodeEncodeError:
        return fallback.encode("cp1252", errors="replace")


def provider_name(provider):
    """The provider's name without a language tag, else its first name."""
    names = provider.findall("name")
    plain = [n for n in names if n.get(XML_LANG) is None]
    chosen = (plain or names)[0] if names else None
    return (chosen.text or "").strip() if chosen is not None else ""


def read_networks(source):
    """Maps (mcc, mnc) to (code text, name bytes) of the chosen provider."""
    candidates = {}  # (mcc, mnc) -> list of (rank, order, code, name)
    order = 0
    for country in ET.parse(source).getroot().findall("country"):
        country_name = (country.findtext("name") or country.get("code", "")).strip()
        for provider in country.findall("provider"):
            ids = [(n.get("mcc", ""), n.get("mnc", "")) for n in provider.iter("network-id")]
            ids = [(mcc, mnc) for mcc, mnc in ids if mcc.isdigit() and mnc.isdigit()]
            primary = provider.get("primary") == "true"
            for mcc, mnc in ids:
                mnc_text = mnc.zfill(2)
                key = (int(mcc), int(mnc))
                name = provider_name(provider) or f"{country_name} {mcc} {mnc_text}"
                name = cp1252_name(name, f"{country_name} {mcc} {mnc_text}")
                rank = (0 if primary else 1, -len(ids))
                candidates.setdefault(key, []).append((rank, order, mcc + mnc_text, name))
                order += 1
    return {key: min(entries)[2:] for key, entries in candidates.items()}


def cell(value):
    """One quoted cell; quotes are doubled, '|' would read as a line break."""
    if isinstance(value, str):
        value = value.encode("cp1252")
    value = value.replace(b"|", b"/").replace(b'"', b'""')
    return b'"' + value + b'"'


def main(argv):
    source = argv[1] if len(argv) > 1 else DEFAULT_SOURCE
    output = Path(argv[2]) if len(argv) > 2 else DEFAULT_OUTPUT
    networks = read_networks(source)
    lines = [b",".join(cell(v) for v in HEADER)]
    for (mcc, mnc), (code, name) in sorted(networks.items()):
        lines.append(b",".join([cell(code), cell(name), cell(str(mcc)), cell(str(mnc))]))
    temporary = output.with_name(output.name + ".tmp")
    temporary.write_bytes(b"\r\n".join(lines) + b"\r\n")
    temporary.replace(output)
    print(f"{output}: {len(networks)} operators", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv)
