#!/usr/bin/python3
"""Writes a deterministic address book of N contacts as a vCard folder (vdir layout).

    gen-addressbook.py --count N --out DIR [--seed S]

The same count and seed always give the same files, byte for byte, on any Python 3.
What the folder holds:
  - N individual contacts: given and family names in Latin (with and without diacritics),
    Cyrillic, Greek, Chinese, Japanese (one name outside the Basic Multilingual Plane) and
    Korean; names shared by many contacts; some with a middle name, an explicit file-as,
    only a full name, or only an organisation;
  - every mix of e-mail address, phone number and postal address (including none of them);
  - categories: "Business" on about 40 % of the contacts, smaller ones, some written in another
    letter case; "Alumni" on none (the benchmark keeps it in the category list);
  - vCard 4.0 and 3.0 cards, long lines folded at 75 octets, a few small photos;
  - a few contact groups (KIND:group, X-ADDRESSBOOKSERVER-KIND:group);
  - a few broken files (no END:VCARD, empty, binary, no vCard at all) and a stray non-vCard file.
A hidden ".generated.json" in DIR describes the folder (counts per category, version, seed);
the benchmark reads it to check what it measured.
"""

import argparse
import json
import os
import shutil
import sys

GENERATOR_VERSION = 3


class Rng:
    """splitmix64: the same numbers on every Python version."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFFFFFFFFFF

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n

    def chance(self, percent):
        return self.below(10000) < percent * 100

    def pick(self, items):
        return items[self.below(len(items))]

    def hex(self, digits):
        return "".join("0123456789abcdef"[self.below(16)] for _ in range(digits))


# Names, per script. Each entry: (weight in percent, given names, family names, style).
# Styles: "western" = Given Family, "east" = FamilyGiven without a blank, "korean" = Family Given.
SCRIPTS = [
    (40, "western-en",
     "James Mary John Patricia Robert Jennifer Michael Linda William Elizabeth David Barbara Richard "
     "Susan Joseph Jessica Thomas Sarah Charles Karen Christopher Nancy Daniel Lisa Matthew Betty "
     "Anthony Margaret Mark Sandra Donald Ashley Steven Kimberly Paul Emily Andrew Donna Joshua "
     "Michelle Kenneth Carol Kevin Amanda Brian Melissa George Deborah Edward Stephanie Ronald "
     "Rebecca Timothy Laura Jason Sharon Jeffrey Cynthia Ryan Kathleen Jacob Amy Gary Shirley".split(),
     "Smith Johnson Williams Brown Jones Garcia Miller Davis Rodriguez Martinez Hernandez Lopez "
     "Gonzalez Wilson Anderson Thomas Taylor Moore Jackson Martin Lee Perez Thompson White Harris "
     "Sanchez Clark Ramirez Lewis Robinson Walker Young Allen King Wright Scott Torres Nguyen Hill "
     "Flores Green Adams Nelson Baker Hall Rivera Campbell Mitchell Carter Roberts O'Brien "
     "McDonald Smithers Smithson Johansson".split(),
     "western"),
    (25, "western-diacritics",
     "Jürgen Zoë Søren Björn François Hélène José Łukasz Małgorzata Ondřej Žofie Íñigo Agnès "
     "Chloé Noémie Jörg Günther Bärbel Ægir Åsa Øystein Ðorđe Çağla Şükrü İlker Ömer Ülkü Mária "
     "Tomáš Jiří Dagný Þórunn Sigurður Ana Émile Renée Thérèse Andrés Joaquín Raphaël Maël".split(),
     "Müller Schröder Groß Jäger Dvořák Nováková Wałęsa Kowalczyk Lefèvre García Muñoz Peña Ibáñez "
     "Østergaard Åberg Lindqvist Sørensen Gonçalves Fernández Şahin Öztürk Yılmaz Nguyễn Trần "
     "Çelik Doğan Kovačević Đukić Šimić Horváth Szabó Tóth Kiss Lukács Brühl Köhler Weiß Straße "
     "Błaszczykowski Żeleński Ólafsson Þorsteinsdóttir Mäkinen Hämäläinen".split(),
     "western"),
    (12, "cyrillic",
     "Александр Дмитрий Мария Анна Елена Сергей Ольга Иван Наталья Андрей Татьяна Алексей "
     "Юлия Михаил Екатерина Николай Светлана Павел Ирина Фёдор Ёлка Богдан Оксана Тарас".split(),
     "Иванов Смирнов Кузнецов Попов Васильев Петров Соколов Михайлов Новиков Фёдоров Морозов "
     "Волков Алексеев Лебедев Семёнов Егоров Павлов Козлов Шевченко Коваленко Бондаренко "
     "Ткаченко Ёлкин Щербаков".split(),
     "western"),
    (8, "greek",
     "Γιώργος Δημήτρης Μαρία Ελένη Νίκος Κατερίνα Γιάννης Σοφία Κώστας Αικατερίνη Παναγιώτης "
     "Βασιλική Χρήστος Αγγελική Θανάσης Ευαγγελία".split(),
     "Παπαδόπουλος Παπαδάκης Οικονόμου Γεωργίου Νικολάου Βασιλείου Αθανασίου Ιωάννου "
     "Παπανικολάου Καραγιάννης Μακρής Σταυρόπουλος Ζαφειρίου Ψαράς".split(),
     "western"),
    (7, "chinese",
     "伟 芳 娜 秀英 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 秀兰 霞".split(),
     "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 欧阳 司马".split(),
     "east"),
    (5, "japanese",
     "翔太 陽菜 蓮 結衣 大翔 さくら 悠真 美咲 健太 あおい 拓海 ひなた".split(),
     "佐藤 鈴木 高橋 田中 渡辺 伊藤 山本 中村 小林 加藤 𠮷田 山田".split(),
     "east"),
    (3, "korean",
     "민준 서연 지훈 하은 도윤 서윤 예준 지우 시우 수아".split(),
     "김 이 박 최 정 강 조 윤 장 임".split(),
     "korean"),
]

CITIES = {
    "western-en": [("Springfield", "IL", "62701", "USA"), ("Leeds", "", "LS1 4AP", "United Kingdom"),
                   ("Toronto", "ON", "M5H 2N2", "Canada"), ("Sydney", "NSW", "2000", "Australia")],
    "western-diacritics": [("München", "Bayern", "80331", "Deutschland"), ("Kraków", "", "31-001", "Polska"),
                           ("São Paulo", "SP", "01000-000", "Brasil"), ("Århus", "", "8000", "Danmark"),
                           ("Brno", "", "602 00", "Česko"), ("İstanbul", "", "34000", "Türkiye")],
    "cyrillic": [("Москва", "", "101000", "Россия"), ("Київ", "", "01001", "Україна")],
    "greek": [("Αθήνα", "Αττική", "105 57", "Ελλάδα"), ("Θεσσαλονίκη", "", "546 21", "Ελλάδα")],
    "chinese": [("北京", "北京市", "100000", "中国"), ("上海", "上海市", "200000", "中国")],
    "japanese": [("東京", "東京都", "100-0001", "日本"), ("大阪", "大阪府", "530-0001", "日本")],
    "korean": [("서울", "", "04524", "대한민국")],
}
STREETS = ["Main Street", "Hauptstraße", "ulica Długa", "Rue de l'Église", "Calle Mayor", "Tverskaya 7",
           "Οδός Ερμού", "中山路", "銀座通り", "세종대로", "Elm Avenue", "Kongens Nytorv"]
DOMAINS = ["example.com", "example.org", "example.net", "mail.example", "firma.example", "corp.example"]
ORGS = ["Acme Corp", "Globex GmbH", "Initech", "Umbrella Ltd", "Müller & Söhne KG", "ООО «Ромашка»",
        "Ελληνικά Τρόφιμα ΑΕ", "株式会社サンプル", "北京示例有限公司", "Stark Industries"]

# Categories: name, percent of contacts carrying it. "Business" is the big one. "Alumni" is in the
# benchmark's category list but on no card.
CATEGORIES = [("Business", 40), ("Friends", 15), ("Family", 5), ("Kunden", 8), ("Коллеги", 4),
              ("Συνάδελφοι", 2), ("取引先", 2), ("VIP", 1), ("Golf \"19th Hole\"", 1)]
EMPTY_CATEGORY = "Alumni"

ASCII_FOLD = str.maketrans("ÄÖÜäöüßÉéÈèÊêÀàÇçÑñÓóÍíÁáØøÅåŁłŚśŻżŹźĆćĘęĄąŃń",
                           "AOUaousEeEeEeAaCcNnOoIiAaOoAaLlSsZzZzCcEeAaNn")


def escape(text):
    return text.replace("\\", "\\\\").replace(",", "\\,").replace(";", "\\;").replace("\n", "\\n")


def fold(line):
    """Folds a content line at 75 octets without splitting a UTF-8 sequence."""
    out = []
    current = ""
    size = 0
    limit = 75
    for ch in line:
        n = len(ch.encode("utf-8"))
        if size + n > limit:
            out.append(current)
            current = " "
            size = 1
            limit = 75
        current += ch
        size += n
    out.append(current)
    return "\r\n".join(out)


def mail_local(given, family, rng):
    local = (given + "." + family).translate(ASCII_FOLD).lower()
    local = "".join(c for c in local if c.isascii() and (c.isalnum() or c in "._-'"))
    if len(local.strip(".")) < 3:
        local = "user" + rng.hex(6)
    return local.strip(".").replace("'", "")


def phone(rng, country="+49"):
    return "%s %d %d-%d" % (country, 30 + rng.below(900), 1000 + rng.below(9000), rng.below(100))


def make_contact(i, rng):
    weight = rng.below(100)
    for share, script, givens, families, style in SCRIPTS:
        if weight < share:
            break
        weight -= share
    given = rng.pick(givens)
    family = rng.pick(families)
    middle = rng.pick(givens) if script.startswith("western") and rng.chance(20) else ""
    if script == "cyrillic" and given[-1] in "аяь" and family.endswith(("ов", "ев", "ин", "ёв")):
        family += "а"  # Иванова, Семёнова

    if style == "east":
        full = family + given
    elif style == "korean":
        full = family + " " + given
    else:
        full = " ".join(p for p in (given, middle, family) if p)

    kind = rng.below(100)
    c = {"uid": "%s-%s-%s" % (rng.hex(8), rng.hex(4), rng.hex(12)), "script": script,
         "version": "4.0" if rng.chance(60) else "3.0"}
    if kind < 3:
        # Only an organisation: it files under the organisation's name.
        c.update(given="", family="", middle="", full="", org=rng.pick(ORGS) + " " + str(i % 97))
    elif kind < 5:
        c.update(given="", family="", middle="", full=full, org="")  # FN only
    else:
        c.update(given=given, family=family, middle=middle, full=full,
                 org=rng.pick(ORGS) if rng.chance(30) else "")
    c["file_as"] = (family + ", " + given + " (" + rng.pick(["work", "home", "old"]) + ")"
                    if kind >= 5 and rng.chance(5) else "")

    # Every mix of e-mail, phone and address: the three bits of the contact's number, with a
    # little noise so that the mixes do not repeat in lockstep with the names.
    mix = (i + rng.below(2) * 8) % 8
    c["emails"] = []
    if mix & 1:
        local = mail_local(given or "info", family or "contact", rng)
        for k in range(1 + rng.below(3)):
            c["emails"].append(("%s%s@%s" % (local, "" if k == 0 else str(k + 1), rng.pick(DOMAINS)),
                                rng.pick(["work", "home", ""]), k == 1 and rng.chance(30)))
    c["phones"] = []
    if mix & 2:
        kinds = ["cell", "work", "home", "", "work", "home", "fax"]
        for k in range(1 + rng.below(4)):
            c["phones"].append((phone(rng), kinds[(k + rng.below(7)) % 7]))
    c["addresses"] = []
    if mix & 4:
        for k in range(1 + rng.below(2)):
            city, region, code, country = rng.pick(CITIES[script])
            street = "%s %d" % (rng.pick(STREETS), 1 + rng.below(200))
            c["addresses"].append((street, city, region, code, country, ["home", "work", "", "other"][rng.below(4)]))

    cats = []
    for name, percent in CATEGORIES:
        if rng.chance(percent):
            cats.append(name.lower() if name == "Business" and rng.chance(10) else name)
    c["categories"] = cats
    c["note"] = ("Met at the conference in %s; follow up about the %d proposal, the budget and the "
                 "schedule for the next quarter." % (rng.pick(CITIES[script])[0], 2000 + rng.below(30))
                 if rng.chance(10) else "")
    c["photo"] = rng.chance(2)
    return c


def photo_base64(rng):
    import base64
    raw = bytes(rng.below(256) for _ in range(900))
    return base64.b64encode(b"\xff\xd8\xff\xe0" + raw).decode("ascii")


def card_text(c, rng):
    v4 = c["version"] == "4.0"
    lines = ["BEGIN:VCARD", "VERSION:" + c["version"], "PRODID:-//Quintel//bench generator//EN",
             "UID:" + ("urn:uuid:" if v4 else "") + c["uid"]]
    if c["full"]:
        lines.append("FN:" + escape(c["full"]))
    elif v4 or c["org"]:
        lines.append("FN:" + escape(c["org"]))
    if c["given"] or c["family"] or not v4:
        lines.append("N:%s;%s;%s;;" % (escape(c["family"]), escape(c["given"]), escape(c["middle"])))
    if c["org"]:
        lines.append("ORG:" + escape(c["org"]))
    if c["file_as"]:
        lines.append("X-EVOLUTION-FILE-AS:" + escape(c["file_as"]))
    for address, kind, pref in c["emails"]:
        params = []
        if v4:
            if kind:
                params.append("TYPE=" + kind)
            if pref:
                params.append("PREF=1")
        else:
            types = ["INTERNET"] + ([kind.upper()] if kind else []) + (["PREF"] if pref else [])
            params.append("TYPE=" + ",".join(types))
        lines.append("EMAIL;%s:%s" % (";".join(params), address))
    for number, kind in c["phones"]:
        types = [kind] if kind else []
        if kind in ("work", "home"):
            types.append("voice")
        if v4:
            value = "tel:" + number.replace(" ", "-") if rng.chance(50) else number
            param = (";VALUE=uri" if value.startswith("tel:") else "") + (";TYPE=" + ",".join(types) if types else "")
        else:
            value = number
            param = ";TYPE=" + ",".join(t.upper() for t in types) if types else ""
        lines.append("TEL%s:%s" % (param, value))
    for street, city, region, code, country, kind in c["addresses"]:
        param = ";TYPE=" + (kind if v4 else kind.upper()) if kind and kind != "other" else ""
        if kind == "other" and not v4:
            param = ";TYPE=POSTAL"
        lines.append("ADR%s:;;%s;%s;%s;%s;%s" % (param, escape(street), escape(city), escape(region),
                                                escape(code), escape(country)))
        if not v4 and rng.chance(20):
            lines.append("LABEL%s:%s" % (param, escape("%s\n%s %s\n%s" % (street, code, city, country))))
    if c["categories"]:
        lines.append("CATEGORIES:" + ",".join(escape(x) for x in c["categories"]))
    if c["note"]:
        lines.append("NOTE:" + escape(c["note"]))
    if c["photo"]:
        data = photo_base64(rng)
        lines.append("PHOTO:data:image/jpeg;base64," + data if v4 else "PHOTO;ENCODING=b;TYPE=JPEG:" + data)
    lines.append("REV:2026%02d%02dT%02d%02d00Z" % (1 + rng.below(12), 1 + rng.below(28), rng.below(24), rng.below(60)))
    lines.append("END:VCARD")
    return "\r\n".join(fold(line) for line in lines) + "\r\n"


def group_text(k, members, rng):
    name = ["Book club", "Projekt Ω", "Соседи", "Team Αθήνα", "同事"][k % 5] + " " + str(k + 1)
    uid = "%s-%s" % (rng.hex(8), rng.hex(12))
    if k % 2 == 0:
        lines = ["BEGIN:VCARD", "VERSION:4.0", "KIND:group", "UID:urn:uuid:" + uid, "FN:" + escape(name)]
        lines += ["MEMBER:urn:uuid:" + m for m in members]
    else:
        lines = ["BEGIN:VCARD", "VERSION:3.0", "X-ADDRESSBOOKSERVER-KIND:group", "UID:" + uid,
                 "FN:" + escape(name), "N:" + escape(name) + ";;;;"]
        lines += ["X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:" + m for m in members]
    lines.append("END:VCARD")
    return uid, "\r\n".join(fold(line) for line in lines) + "\r\n"


BROKEN = [
    ("no END:VCARD", b"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Half Written\r\nN:Written;Half;;;\r\n"),
    ("empty file", b""),
    ("binary", bytes((i * 37 + 11) % 256 for i in range(512))),
    ("no vCard", b"This is not an address card.\r\nJust some text.\r\n"),
]


def main():
    parser = argparse.ArgumentParser(description="Writes a deterministic vCard folder of N contacts.")
    parser.add_argument("--count", type=int, required=True, help="number of individual contacts")
    parser.add_argument("--out", required=True, help="folder to write (replaced when it exists)")
    parser.add_argument("--seed", type=int, default=20261206)
    args = parser.parse_args()
    if args.count < 1:
        parser.error("--count must be at least 1")

    out = os.path.abspath(args.out)
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    rng = Rng(args.seed * 1000003 + args.count)

    counts = {name: 0 for name, _ in CATEGORIES}
    counts[EMPTY_CATEGORY] = 0
    versions = {"3.0": 0, "4.0": 0}
    mixes = set()
    uids = []
    names = []
    for i in range(args.count):
        c = make_contact(i, rng)
        for cat in c["categories"]:
            key = next(name for name, _ in CATEGORIES if name.lower() == cat.lower())
            counts[key] += 1
        versions[c["version"]] += 1
        mixes.add((bool(c["emails"]), bool(c["phones"]), bool(c["addresses"])))
        uids.append(c["uid"])
        with open(os.path.join(out, c["uid"] + ".vcf"), "w", encoding="utf-8", newline="") as f:
            f.write(card_text(c, rng))

    groups = max(2, min(12, args.count // 2000))
    for k in range(groups):
        members = [uids[rng.below(len(uids))] for _ in range(2 + rng.below(20))]
        uid, text = group_text(k, members, rng)
        with open(os.path.join(out, "group-" + uid + ".vcf"), "w", encoding="utf-8", newline="") as f:
            f.write(text)

    broken = max(len(BROKEN), min(40, args.count // 2500))
    for k in range(broken):
        reason, data = BROKEN[k % len(BROKEN)]
        with open(os.path.join(out, "broken-%02d-%s.vcf" % (k, rng.hex(6))), "wb") as f:
            f.write(data)
    with open(os.path.join(out, "README.txt"), "w", encoding="utf-8") as f:
        f.write("Not a contact: the address book reads only .vcf files.\n")

    manifest = {
        "generator": GENERATOR_VERSION, "seed": args.seed, "contacts": args.count, "groups": groups,
        "brokenFiles": broken, "versions": versions, "categories": counts,
        "emptyCategory": EMPTY_CATEGORY, "largestCategory": "Business",
        "mixes": len(mixes),
    }
    with open(os.path.join(out, ".generated.json"), "w", encoding="utf-8") as f:
        json.dump(manifest, f, ensure_ascii=False, indent=1, sort_keys=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
