#!/usr/bin/env python3
"""Regenerate the two sample input files in this folder.

    lotw-credit-matrix.html  a saved LoTW Award Credit Matrix page
    vellum-dxcc.csv          a VELLUM DXCC listing of the same entities

Python 3 standard library only. The output is deterministic (fixed seed) and
written byte for byte: CR LF line ends in both files, the listing in
Windows-1252 with the middle dot (0xB7) as the empty-cell mark.

The two files agree almost everywhere. The disagreements planted on purpose
are listed in PLANTED below; the entities that only the listing carries are
listed in LISTING_ONLY. Run with --report to print both lists and the
MISMATCH counts a comparison of the two files should give.
"""

import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SEED = 20240611
DOT = "\u00b7"  # written as byte 0xB7 in Windows-1252

# Columns of the LoTW page, in page order.
LOTW_COLUMNS = ["MIX", "PHO", "CW", "RTTY", "Sat", "160", "80", "40", "30",
                "20", "17", "15", "12", "10", "6", "2"]
# Award columns of the listing, in file order.
LISTING_COLUMNS = ["MIX", "PHO", "CW", "RTTY", "IMG", "Sat", "160", "80",
                   "60", "40", "30", "20", "17", "15", "12", "10", "6", "2"]
LISTING_HEADER = "Prefix,Country," + ",".join(LISTING_COLUMNS)

# LoTW entity names that the program files under a fixed key instead of the
# prefix printed in the row.
LOTW_NAME_KEYS = {
    "ABU AIL IS. (DELETED)": "A1", "ANDORRA": "C3", "ANTARCTICA": "CE9",
    "ASIATIC RUSSIA": "UA9", "AUSTRAL ISLAND": "FO/A", "BAHAMAS": "C6",
    "BAJO NUEVO (DELETED)": "HK0/B", "BLENHEIM REEF (DELETED)": "1B",
    "BONAIRE": "PJ4", "BONAIRE,CURACAO (NETH ANTILLES) (DELETED)": "PJ2/D",
    "BOSNIA-HERZEGOVINA": "E7", "BOUVET ISLAND": "3Y/B",
    "COMORO ISLANDS (DELETED)": "FH/D", "CONWAY REEF": "3D2/C",
    "CURACAO": "PJ2", "CZECH REPUBLIC": "OK",
    "CZECHOSLOVAKIA (DELETED)": "OK/D", "DAMAO, DIU (DELETED)": "CR8/D",
    "DPRK (NORTH KOREA)": "P5", "DUCIE ISLAND": "VP6/D", "ENGLAND": "G",
    "FIJI ISLANDS": "3D2", "GERMAN DEMOCRATIC REPUBLIC (DELETED)": "DM",
    "GERMANY (DELETED)": "DL/D", "GEYSER REEF (DELETED)": "1G",
    "GOA (DELETED)": "CR8/G", "GUINEA": "3X", "HAWAII": "KH6",
    "HEARD ISLAND": "VK0/H", "IFNI (DELETED)": "EA9/I", "ITU HQ": "4U/IT",
    "MACQUARIE ISLAND": "VK0/M", "MALAYA (DELETED)": "VS2",
    "MALPELO ISLAND": "HK0/M", "MANCHURIA (DELETED)": "C9/M",
    "MARKET REEF": "OJ0", "MARQUESAS ISLAND": "FO/M",
    "MINAMI TORISHIMA": "JD1/M", "MONTENEGRO": "4O", "MOZAMBIQUE": "C9",
    "NAURU": "C2", "NORTH COOK ISLANDS": "E5/N", "NORTHERN IRELAND": "GI",
    "OGASAWARA": "JD1/O", "OKINAWA (DELETED)": "KR6",
    "PALESTINE (DELETED)": "ZC6", "PAPUA TERRITORY (DELETED)": "VK9/P",
    "PETER 1 ISLAND": "3Y/P", "PORTUGUESE TIMOR (DELETED)": "CR8/T",
    "PUERTO RICO": "KP4", "REPUBLIC OF KOREA": "HL", "ROTUMA": "3D2/R",
    "RUANDA-URUNDI (DELETED)": "9U5", "SABA & ST EUSTATIUS": "PJ5",
    "SABA &amp; ST EUSTATIUS": "PJ5", "SARDINIA": "IS0",
    "SAUDI ARABIA/IRAQ NEUT ZONE": "8Z4", "SCOTLAND": "GM",
    "SERRANA BANK & RONCADOR CAY (DELETED)": "HK0/S",
    "SERRANA BANK &amp; RONCADOR CAY (DELETED)": "HK0/S",
    "SINT MAARTEN": "PJ7",
    "SINT MAARTEN, SABA, ST EUSTATIUS (DELETED)": "PJ7/D",
    "SOUTH COOK ISLANDS": "E5/S", "SOUTH GEORGIA ISLAND": "VP8/G",
    "SOUTH ORKNEY ISLANDS": "VP8/O", "SOUTH SANDWICH ISLANDS": "VP8/S",
    "SOUTH SHETLAND ISLANDS": "VP8/H", "SOUTHERN SUDAN (DELETED)": "ST0",
    "SOV MILITARY ORDER OF MALTA": "1A0", "SPRATLY ISLANDS": "1S",
    "SUDAN": "ST", "SWAINS ISLAND": "KH8/S",
    "TERRITORY OF NEW GUINEA (DELETED)": "VK9/T", "TOGO": "5V",
    "UNITED NATIONS HQ": "4U/UN", "UNITED STATES OF AMERICA": "K",
    "VIET NAM": "3W", "WALES": "GW", "YEMEN ARAB REPUBLIC (DELETED)": "4W/D",
}

# Prefixes VELLUM writes where LoTW files the entity under another key.
LISTING_PREFIX_KEYS = {
    "3B6": "3B7", "3XA": "3X", "4J1": "R1M", "4K2": "R1F", "4W1": "4W",
    "7O/D": "VS9A", "BS7": "BS7H", "BV9": "BV9P", "CE0A": "CE0Y", "E6": "Z7",
    "EM": "UT", "FO/C": "FO0", "FT/W": "FT5W", "FT/X": "FT5X",
    "FT/Z": "FT5Z", "IS": "IS0", "JD/M": "JD1/M", "JD/O": "JD1/O",
    "KC4": "CE9", "KC6": "T8", "KH7": "KH7K", "P2/G": "VK9/T",
    "P2/P": "VK9/P", "PY0P": "PY0S", "SY": "SV/A", "T9": "E7", "UK": "UJ",
    "VK9Z": "VK9W", "VR2": "VR", "VU7/A": "VU4", "VU7/L": "VU7", "W": "K",
    "Y2": "DM", "Z7": "4O", "ZB": "ZB2", "ZK1/N": "E5/N", "ZK1/S": "E5/S",
}

# Current entities: (LoTW row prefix, LoTW name, VELLUM prefix or None when
# it is the index key itself, VELLUM name, how often worked: C common,
# M middling, R rare).
CURRENT = [
    ("1A0", "SOV MILITARY ORDER OF MALTA", None, "Sov. Military Order of Malta", "M"),
    ("1S", "SPRATLY ISLANDS", None, "Spratly Is.", "R"),
    ("3A", "MONACO", None, "Monaco", "C"),
    ("3B7", "AGALEGA &amp; ST BRANDON ISLANDS", "3B6", "Agalega & St. Brandon Is.", "R"),
    ("3B8", "MAURITIUS", None, "Mauritius", "M"),
    ("3B9", "RODRIGUEZ ISLAND", None, "Rodrigues I.", "R"),
    ("3C", "EQUATORIAL GUINEA", None, "Equatorial Guinea", "M"),
    ("3C0", "ANNOBON ISLAND", None, "Annobon I.", "R"),
    ("3D2", "FIJI ISLANDS", None, "Fiji", "M"),
    ("3D2", "CONWAY REEF", "3D2/C", "Conway Reef", "R"),
    ("3D2", "ROTUMA", "3D2/R", "Rotuma I.", "R"),
    ("3DA", "KINGDOM OF ESWATINI", None, "Eswatini", "M"),
    ("3V", "TUNISIA", None, "Tunisia", "C"),
    ("3W", "VIET NAM", None, "Vietnam", "M"),
    ("3X", "GUINEA", "3XA", "Guinea", "M"),
    ("3Y", "BOUVET ISLAND", "3Y/B", "Bouvet I.", "R"),
    ("3Y", "PETER 1 ISLAND", "3Y/P", "Peter I I.", "R"),
    ("4J", "AZERBAIJAN", None, "Azerbaijan", "C"),
    ("4L", "GEORGIA", None, "Georgia", "C"),
    ("4O", "MONTENEGRO", "Z7", "Montenegro", "C"),
    ("4S", "SRI LANKA", None, "Sri Lanka", "M"),
    ("4U", "ITU HQ", "4U/IT", "ITU HQ Geneva", "M"),
    ("4U", "UNITED NATIONS HQ", "4U/UN", "United Nations HQ", "M"),
    ("4W", "TIMOR - LESTE", "4W1", "Timor-Leste", "R"),
    ("4X", "ISRAEL", None, "Israel", "C"),
    ("5A", "LIBYA", None, "Libya", "R"),
    ("5B", "CYPRUS", None, "Cyprus", "C"),
    ("5H", "TANZANIA", None, "Tanzania", "M"),
    ("5N", "NIGERIA", None, "Nigeria", "M"),
    ("5R", "MADAGASCAR", None, "Madagascar", "M"),
    ("5T", "MAURITANIA", None, "Mauritania", "M"),
    ("5U", "NIGER", None, "Niger", "M"),
    ("5V", "TOGO", None, "Togo", "M"),
    ("5W", "SAMOA", None, "Samoa", "M"),
    ("5X", "UGANDA", None, "Uganda", "M"),
    ("5Z", "KENYA", None, "Kenya", "C"),
    ("6V", "SENEGAL", None, "Senegal", "C"),
    ("6Y", "JAMAICA", None, "Jamaica", "C"),
    ("7O", "YEMEN", None, "Yemen", "R"),
    ("7P", "LESOTHO", None, "Lesotho", "M"),
    ("7Q", "MALAWI", None, "Malawi", "M"),
    ("7X", "ALGERIA", None, "Algeria", "C"),
    ("8P", "BARBADOS", None, "Barbados", "C"),
    ("8Q", "MALDIVES", None, "Maldives", "M"),
    ("8R", "GUYANA", None, "Guyana", "M"),
    ("9A", "CROATIA", None, "Croatia", "C"),
    ("9G", "GHANA", None, "Ghana", "M"),
    ("9H", "MALTA", None, "Malta", "C"),
    ("9J", "ZAMBIA", None, "Zambia", "M"),
    ("9K", "KUWAIT", None, "Kuwait", "C"),
    ("9L", "SIERRA LEONE", None, "Sierra Leone", "M"),
    ("9M2", "WEST MALAYSIA", None, "West Malaysia", "C"),
    ("9M6", "EAST MALAYSIA", None, "East Malaysia", "M"),
    ("9N", "NEPAL", None, "Nepal", "M"),
    ("9Q", "DEMOCRATIC REPUBLIC OF THE CONGO", None, "Dem. Rep. of the Congo", "M"),
    ("9U", "BURUNDI", None, "Burundi", "R"),
    ("9V", "SINGAPORE", None, "Singapore", "C"),
    ("9X", "RWANDA", None, "Rwanda", "M"),
    ("9Y", "TRINIDAD &amp; TOBAGO", None, "Trinidad & Tobago", "C"),
    ("A2", "BOTSWANA", None, "Botswana", "M"),
    ("A3", "TONGA", None, "Tonga", "M"),
    ("A4", "OMAN", None, "Oman", "C"),
    ("A5", "BHUTAN", None, "Bhutan", "R"),
    ("A6", "UNITED ARAB EMIRATES", None, "United Arab Emirates", "C"),
    ("A7", "QATAR", None, "Qatar", "C"),
    ("A9", "BAHRAIN", None, "Bahrain", "C"),
    ("AP", "PAKISTAN", None, "Pakistan", "M"),
    ("BS7H", "SCARBOROUGH REEF", "BS7", "Scarborough Reef", "R"),
    ("BV", "TAIWAN", None, "Taiwan", "C"),
    ("BV9P", "PRATAS ISLAND", "BV9", "Pratas I.", "R"),
    ("BY", "CHINA", None, "China", "C"),
    ("C2", "NAURU", None, "Nauru", "R"),
    ("C3", "ANDORRA", None, "Andorra", "C"),
    ("C5", "THE GAMBIA", None, "The Gambia", "M"),
    ("C6", "BAHAMAS", None, "Bahamas", "C"),
    ("C9", "MOZAMBIQUE", None, "Mozambique", "M"),
    ("CE", "CHILE", None, "Chile", "C"),
    ("CE0Y", "EASTER ISLAND", "CE0A", "Easter I.", "M"),
    ("CE0X", "SAN FELIX ISLANDS", None, "San Felix & San Ambrosio", "R"),
    ("CE0Z", "JUAN FERNANDEZ ISLANDS", None, "Juan Fernandez Is.", "M"),
    ("CE9", "ANTARCTICA", "KC4", "Antarctica", "M"),
    ("CM", "CUBA", None, "Cuba", "C"),
    ("CN", "MOROCCO", None, "Morocco", "C"),
    ("CP", "BOLIVIA", None, "Bolivia", "M"),
    ("CT", "PORTUGAL", None, "Portugal", "C"),
    ("CT3", "MADEIRA ISLANDS", None, "Madeira Is.", "C"),
    ("CU", "AZORES", None, "Azores", "C"),
    ("CX", "URUGUAY", None, "Uruguay", "C"),
    ("CY0", "SABLE ISLAND", None, "Sable I.", "R"),
    ("CY9", "ST PAUL ISLAND", None, "St. Paul I.", "R"),
    ("D2", "ANGOLA", None, "Angola", "M"),
    ("D4", "CAPE VERDE", None, "Cape Verde", "C"),
    ("D6", "COMOROS", None, "Comoros", "R"),
    ("DL", "FEDERAL REPUBLIC OF GERMANY", None, "Fed. Rep. of Germany", "C"),
    ("DU", "PHILIPPINES", None, "Philippines", "C"),
    ("E3", "ERITREA", None, "Eritrea", "R"),
    ("E4", "PALESTINE", None, "Palestine", "M"),
    ("E5", "NORTH COOK ISLANDS", "ZK1/N", "North Cook Is.", "R"),
    ("E5", "SOUTH COOK ISLANDS", "ZK1/S", "South Cook Is.", "M"),
    ("E7", "BOSNIA-HERZEGOVINA", "T9", "Bosnia-Herzegovina", "C"),
    ("EA", "SPAIN", None, "Spain", "C"),
    ("EA6", "BALEARIC ISLANDS", None, "Balearic Is.", "C"),
    ("EA8", "CANARY ISLANDS", None, "Canary Is.", "C"),
    ("EA9", "CEUTA &amp; MELILLA", None, "Ceuta & Melilla", "C"),
    ("EI", "IRELAND", None, "Ireland", "C"),
    ("EK", "ARMENIA", None, "Armenia", "C"),
    ("EL", "LIBERIA", None, "Liberia", "M"),
    ("EP", "IRAN", None, "Iran", "M"),
    ("ER", "MOLDOVA", None, "Moldova", "C"),
    ("ES", "ESTONIA", None, "Estonia", "C"),
    ("ET", "ETHIOPIA", None, "Ethiopia", "M"),
    ("EU", "BELARUS", None, "Belarus", "C"),
    ("EX", "KYRGYZSTAN", None, "Kyrgyzstan", "M"),
    ("EY", "TAJIKISTAN", None, "Tajikistan", "M"),
    ("EZ", "TURKMENISTAN", None, "Turkmenistan", "R"),
    ("F", "FRANCE", None, "France", "C"),
    ("FG", "GUADELOUPE", None, "Guadeloupe", "C"),
    ("FH", "MAYOTTE", None, "Mayotte", "M"),
    ("FJ", "SAINT BARTHELEMY", None, "Saint Barth\u00e9lemy", "M"),
    ("FK", "NEW CALEDONIA", None, "New Caledonia", "M"),
    ("FK/C", "CHESTERFIELD ISLANDS", None, "Chesterfield Is.", "R"),
    ("FM", "MARTINIQUE", None, "Martinique", "C"),
    ("FO", "FRENCH POLYNESIA", None, "French Polynesia", "M"),
    ("FO", "AUSTRAL ISLAND", "FO/A", "Austral I.", "R"),
    ("FO0", "CLIPPERTON ISLAND", "FO/C", "Clipperton I.", "R"),
    ("FO", "MARQUESAS ISLAND", "FO/M", "Marquesas Is.", "M"),
    ("FP", "ST PIERRE &amp; MIQUELON", None, "St. Pierre & Miquelon", "M"),
    ("FR", "REUNION ISLAND", None, "R\u00e9union I.", "M"),
    ("FR/G", "GLORIOSO ISLANDS", None, "Glorioso Is.", "R"),
    ("FR/J", "JUAN DE NOVA, EUROPA", None, "Juan de Nova & Europa", "R"),
    ("FR/T", "TROMELIN ISLAND", None, "Tromelin I.", "R"),
    ("FS", "SAINT MARTIN", None, "Saint Martin", "M"),
    ("FT5W", "CROZET ISLAND", "FT/W", "Crozet I.", "R"),
    ("FT5X", "KERGUELEN ISLANDS", "FT/X", "Kerguelen Is.", "R"),
    ("FT5Z", "AMSTERDAM &amp; ST PAUL ISLANDS", "FT/Z", "Amsterdam & St. Paul Is.", "R"),
    ("FW", "WALLIS &amp; FUTUNA ISLANDS", None, "Wallis & Futuna Is.", "R"),
    ("FY", "FRENCH GUIANA", None, "French Guiana", "M"),
    ("G", "ENGLAND", None, "England", "C"),
    ("GD", "ISLE OF MAN", None, "Isle of Man", "C"),
    ("GI", "NORTHERN IRELAND", None, "Northern Ireland", "C"),
    ("GJ", "JERSEY", None, "Jersey", "C"),
    ("GM", "SCOTLAND", None, "Scotland", "C"),
    ("GU", "GUERNSEY", None, "Guernsey", "C"),
    ("GW", "WALES", None, "Wales", "C"),
    ("H4", "SOLOMON ISLANDS", None, "Solomon Is.", "M"),
    ("H40", "TEMOTU PROVINCE", None, "Temotu Province", "R"),
    ("HA", "HUNGARY", None, "Hungary", "C"),
    ("HB", "SWITZERLAND", None, "Switzerland", "C"),
    ("HB0", "LIECHTENSTEIN", None, "Liechtenstein", "C"),
    ("HC", "ECUADOR", None, "Ecuador", "C"),
    ("HC8", "GALAPAGOS ISLANDS", None, "Galapagos Is.", "M"),
    ("HH", "HAITI", None, "Haiti", "M"),
    ("HI", "DOMINICAN REPUBLIC", None, "Dominican Republic", "C"),
    ("HK", "COLOMBIA", None, "Colombia", "C"),
    ("HK0", "SAN ANDRES &amp; PROVIDENCIA", None, "San Andres & Providencia", "M"),
    ("HK0", "MALPELO ISLAND", "HK0/M", "Malpelo I.", "R"),
    ("HL", "REPUBLIC OF KOREA", None, "Republic of Korea", "C"),
    ("HP", "PANAMA", None, "Panama", "C"),
    ("HR", "HONDURAS", None, "Honduras", "C"),
    ("HS", "THAILAND", None, "Thailand", "C"),
    ("HV", "VATICAN", None, "Vatican City", "M"),
    ("HZ", "SAUDI ARABIA", None, "Saudi Arabia", "C"),
    ("I", "ITALY", None, "Italy", "C"),
    ("IS0", "SARDINIA", "IS", "Sardinia", "C"),
    ("J2", "DJIBOUTI", None, "Djibouti", "M"),
    ("J3", "GRENADA", None, "Grenada", "C"),
    ("J5", "GUINEA-BISSAU", None, "Guinea-Bissau", "M"),
    ("J6", "ST LUCIA", None, "St. Lucia", "C"),
    ("J7", "DOMINICA", None, "Dominica", "C"),
    ("J8", "ST VINCENT", None, "St. Vincent", "C"),
    ("JA", "JAPAN", None, "Japan", "C"),
    ("JD1", "MINAMI TORISHIMA", "JD/M", "Minami Torishima", "R"),
    ("JD1", "OGASAWARA", "JD/O", "Ogasawara", "M"),
    ("JT", "MONGOLIA", None, "Mongolia", "M"),
    ("JW", "SVALBARD", None, "Svalbard", "C"),
    ("JX", "JAN MAYEN", None, "Jan Mayen", "M"),
    ("JY", "JORDAN", None, "Jordan", "C"),
    ("K", "UNITED STATES OF AMERICA", "W", "United States", "C"),
    ("KG4", "GUANTANAMO BAY", None, "Guantanamo Bay", "M"),
    ("KH0", "MARIANA ISLANDS", None, "Mariana Is.", "M"),
    ("KH1", "BAKER &amp; HOWLAND ISLANDS", None, "Baker & Howland Is.", "R"),
    ("KH2", "GUAM", None, "Guam", "C"),
    ("KH3", "JOHNSTON ISLAND", None, "Johnston I.", "R"),
    ("KH4", "MIDWAY ISLAND", None, "Midway I.", "R"),
    ("KH5", "PALMYRA &amp; JARVIS ISLANDS", None, "Palmyra & Jarvis Is.", "R"),
    ("KH6", "HAWAII", None, "Hawaii", "C"),
    ("KH7K", "KURE ISLAND", "KH7", "Kure I.", "R"),
    ("KH8", "AMERICAN SAMOA", None, "American Samoa", "M"),
    ("KH8", "SWAINS ISLAND", "KH8/S", "Swains I.", "R"),
    ("KH9", "WAKE ISLAND", None, "Wake I.", "R"),
    ("KL", "ALASKA", None, "Alaska", "C"),
    ("KP1", "NAVASSA ISLAND", None, "Navassa I.", "R"),
    ("KP2", "US VIRGIN ISLANDS", None, "US Virgin Is.", "C"),
    ("KP4", "PUERTO RICO", None, "Puerto Rico", "C"),
    ("KP5", "DESECHEO ISLAND", None, "Desecheo I.", "R"),
    ("LA", "NORWAY", None, "Norway", "C"),
    ("LU", "ARGENTINA", None, "Argentina", "C"),
    ("LX", "LUXEMBOURG", None, "Luxembourg", "C"),
    ("LY", "LITHUANIA", None, "Lithuania", "C"),
    ("LZ", "BULGARIA", None, "Bulgaria", "C"),
    ("OA", "PERU", None, "Peru", "C"),
    ("OD", "LEBANON", None, "Lebanon", "M"),
    ("OE", "AUSTRIA", None, "Austria", "C"),
    ("OH", "FINLAND", None, "Finland", "C"),
    ("OH0", "ALAND ISLANDS", None, "Aland Is.", "C"),
    ("OJ0", "MARKET REEF", None, "Market Reef", "M"),
    ("OK", "CZECH REPUBLIC", None, "Czech Republic", "C"),
    ("OM", "SLOVAK REPUBLIC", None, "Slovak Republic", "C"),
    ("ON", "BELGIUM", None, "Belgium", "C"),
    ("OX", "GREENLAND", None, "Greenland", "M"),
    ("OY", "FAROE ISLANDS", None, "Faroe Is.", "C"),
    ("OZ", "DENMARK", None, "Denmark", "C"),
    ("P2", "PAPUA NEW GUINEA", None, "Papua New Guinea", "M"),
    ("P4", "ARUBA", None, "Aruba", "C"),
    ("P5", "DPRK (NORTH KOREA)", None, "DPRK (North Korea)", "R"),
    ("PA", "NETHERLANDS", None, "Netherlands", "C"),
    ("PJ2", "CURACAO", None, "Cura\u00e7ao", "C"),
    ("PJ4", "BONAIRE", None, "Bonaire", "C"),
    ("PJ5", "SABA &amp; ST EUSTATIUS", None, "Saba & St. Eustatius", "M"),
    ("PJ7", "SINT MAARTEN", None, "Sint Maarten", "C"),
    ("PY", "BRAZIL", None, "Brazil", "C"),
    ("PY0F", "FERNANDO DE NORONHA", None, "Fernando de Noronha", "M"),
    ("PY0S", "ST PETER &amp; ST PAUL ROCKS", "PY0P", "St. Peter & St. Paul Rocks", "R"),
    ("PY0T", "TRINDADE &amp; MARTIM VAZ ISLANDS", None, "Trindade & Martim Vaz Is.", "R"),
    ("PZ", "SURINAME", None, "Suriname", "M"),
    ("R1F", "FRANZ JOSEF LAND", "4K2", "Franz Josef Land", "R"),
    ("S0", "WESTERN SAHARA", None, "Western Sahara", "R"),
    ("S2", "BANGLADESH", None, "Bangladesh", "M"),
    ("S5", "SLOVENIA", None, "Slovenia", "C"),
    ("S7", "SEYCHELLES", None, "Seychelles", "M"),
    ("S9", "SAO TOME &amp; PRINCIPE", None, "S\u00e3o Tom\u00e9 & Pr\u00edncipe", "M"),
    ("SM", "SWEDEN", None, "Sweden", "C"),
    ("SP", "POLAND", None, "Poland", "C"),
    ("ST", "SUDAN", None, "Sudan", "M"),
    ("SU", "EGYPT", None, "Egypt", "C"),
    ("SV", "GREECE", None, "Greece", "C"),
    ("SV/A", "MOUNT ATHOS", "SY", "Mount Athos", "R"),
    ("SV5", "DODECANESE", None, "Dodecanese", "M"),
    ("SV9", "CRETE", None, "Crete", "C"),
    ("T2", "TUVALU", None, "Tuvalu", "R"),
    ("T30", "WESTERN KIRIBATI", None, "Western Kiribati", "M"),
    ("T31", "CENTRAL KIRIBATI", None, "Central Kiribati", "R"),
    ("T32", "EASTERN KIRIBATI", None, "Eastern Kiribati", "M"),
    ("T33", "BANABA ISLAND", None, "Banaba I.", "R"),
    ("T5", "SOMALIA", None, "Somalia", "R"),
    ("T7", "SAN MARINO", None, "San Marino", "C"),
    ("T8", "PALAU", "KC6", "Palau", "M"),
    ("TA", "TURKEY", None, "Turkey", "C"),
    ("TF", "ICELAND", None, "Iceland", "C"),
    ("TG", "GUATEMALA", None, "Guatemala", "C"),
    ("TI", "COSTA RICA", None, "Costa Rica", "C"),
    ("TI9", "COCOS ISLAND", None, "Cocos I.", "R"),
    ("TJ", "CAMEROON", None, "Cameroon", "M"),
    ("TK", "CORSICA", None, "Corsica", "C"),
    ("TL", "CENTRAL AFRICAN REPUBLIC", None, "Central African Republic", "R"),
    ("TN", "REPUBLIC OF THE CONGO", None, "Republic of the Congo", "R"),
    ("TR", "GABON", None, "Gabon", "M"),
    ("TT", "CHAD", None, "Chad", "R"),
    ("TU", "COTE D'IVOIRE", None, "C\u00f4te d'Ivoire", "M"),
    ("TY", "BENIN", None, "Benin", "M"),
    ("TZ", "MALI", None, "Mali", "M"),
    ("UA", "EUROPEAN RUSSIA", None, "European Russia", "C"),
    ("UA2", "KALININGRAD", None, "Kaliningrad", "C"),
    ("UA9", "ASIATIC RUSSIA", None, "Asiatic Russia", "C"),
    ("UJ", "UZBEKISTAN", "UK", "Uzbekistan", "M"),
    ("UN", "KAZAKHSTAN", None, "Kazakhstan", "C"),
    ("UT", "UKRAINE", "EM", "Ukraine", "C"),
    ("V2", "ANTIGUA &amp; BARBUDA", None, "Antigua & Barbuda", "C"),
    ("V3", "BELIZE", None, "Belize", "M"),
    ("V4", "ST KITTS &amp; NEVIS", None, "St. Kitts & Nevis", "C"),
    ("V5", "NAMIBIA", None, "Namibia", "M"),
    ("V6", "MICRONESIA", None, "Micronesia", "M"),
    ("V7", "MARSHALL ISLANDS", None, "Marshall Is.", "M"),
    ("V8", "BRUNEI DARUSSALAM", None, "Brunei Darussalam", "M"),
    ("VE", "CANADA", None, "Canada", "C"),
    ("VK", "AUSTRALIA", None, "Australia", "C"),
    ("VK0", "HEARD ISLAND", "VK0/H", "Heard I.", "R"),
    ("VK0", "MACQUARIE ISLAND", "VK0/M", "Macquarie I.", "R"),
    ("VK9C", "COCOS (KEELING) ISLANDS", None, "Cocos (Keeling) Is.", "M"),
    ("VK9L", "LORD HOWE ISLAND", None, "Lord Howe I.", "M"),
    ("VK9M", "MELLISH REEF", None, "Mellish Reef", "R"),
    ("VK9N", "NORFOLK ISLAND", None, "Norfolk I.", "M"),
    ("VK9W", "WILLIS ISLAND", "VK9Z", "Willis I.", "R"),
    ("VK9X", "CHRISTMAS ISLAND", None, "Christmas I.", "M"),
    ("VP2E", "ANGUILLA", None, "Anguilla", "C"),
    ("VP2M", "MONTSERRAT", None, "Montserrat", "M"),
    ("VP2V", "BRITISH VIRGIN ISLANDS", None, "British Virgin Is.", "C"),
    ("VP5", "TURKS &amp; CAICOS ISLANDS", None, "Turks & Caicos Is.", "C"),
    ("VP6", "PITCAIRN ISLAND", None, "Pitcairn I.", "R"),
    ("VP6", "DUCIE ISLAND", "VP6/D", "Ducie I.", "R"),
    ("VP8", "FALKLAND ISLANDS", None, "Falkland Is.", "M"),
    ("VP8", "SOUTH GEORGIA ISLAND", "VP8/G", "South Georgia I.", "R"),
    ("VP8", "SOUTH SHETLAND ISLANDS", "VP8/H", "South Shetland Is.", "M"),
    ("VP8", "SOUTH ORKNEY ISLANDS", "VP8/O", "South Orkney Is.", "R"),
    ("VP8", "SOUTH SANDWICH ISLANDS", "VP8/S", "South Sandwich Is.", "R"),
    ("VP9", "BERMUDA", None, "Bermuda", "C"),
    ("VQ9", "CHAGOS ISLANDS", None, "Chagos Is.", "M"),
    ("VR", "HONG KONG", "VR2", "Hong Kong", "C"),
    ("VU", "INDIA", None, "India", "C"),
    ("VU4", "ANDAMAN &amp; NICOBAR IS.", "VU7/A", "Andaman & Nicobar Is.", "R"),
    ("VU7", "LAKSHADWEEP ISLANDS", "VU7/L", "Lakshadweep Is.", "R"),
    ("XE", "MEXICO", None, "Mexico", "C"),
    ("XF4", "REVILLAGIGEDO", None, "Revillagigedo", "R"),
    ("XT", "BURKINA FASO", None, "Burkina Faso", "M"),
    ("XU", "CAMBODIA", None, "Cambodia", "M"),
    ("XW", "LAOS", None, "Laos", "M"),
    ("XX9", "MACAO", None, "Macao", "M"),
    ("XZ", "MYANMAR", None, "Myanmar", "R"),
    ("YA", "AFGHANISTAN", None, "Afghanistan", "R"),
    ("YB", "INDONESIA", None, "Indonesia", "C"),
    ("YI", "IRAQ", None, "Iraq", "M"),
    ("YJ", "VANUATU", None, "Vanuatu", "M"),
    ("YK", "SYRIA", None, "Syria", "R"),
    ("YL", "LATVIA", None, "Latvia", "C"),
    ("YN", "NICARAGUA", None, "Nicaragua", "M"),
    ("YO", "ROMANIA", None, "Romania", "C"),
    ("YS", "EL SALVADOR", None, "El Salvador", "C"),
    ("YU", "SERBIA", None, "Serbia", "C"),
    ("YV", "VENEZUELA", None, "Venezuela", "C"),
    ("YV0", "AVES ISLAND", None, "Aves I.", "R"),
    ("Z2", "ZIMBABWE", None, "Zimbabwe", "M"),
    ("Z3", "NORTH MACEDONIA", None, "North Macedonia", "C"),
    ("Z8", "REPUBLIC OF SOUTH SUDAN", None, "Republic of South Sudan", "R"),
    ("ZA", "ALBANIA", None, "Albania", "C"),
    ("ZB2", "GIBRALTAR", "ZB", "Gibraltar", "C"),
    ("ZC4", "UK SOVEREIGN BASE AREAS ON CYPRUS", None, "UK Sov. Base Areas on Cyprus", "M"),
    ("ZD7", "ST HELENA", None, "St. Helena", "M"),
    ("ZD8", "ASCENSION ISLAND", None, "Ascension I.", "M"),
    ("ZD9", "TRISTAN DA CUNHA &amp; GOUGH ISLANDS", None, "Tristan da Cunha & Gough I.", "R"),
    ("ZF", "CAYMAN ISLANDS", None, "Cayman Is.", "C"),
    ("ZK2", "NIUE", None, "Niue", "R"),
    ("ZK3", "TOKELAU ISLANDS", None, "Tokelau Is.", "R"),
    ("ZL", "NEW ZEALAND", None, "New Zealand", "C"),
    ("ZL7", "CHATHAM ISLANDS", None, "Chatham Is.", "M"),
    ("ZL8", "KERMADEC ISLANDS", None, "Kermadec Is.", "R"),
    ("ZL9", "NEW ZEALAND SUBANTARCTIC ISLANDS", None, "NZ Subantarctic Is.", "R"),
    ("ZP", "PARAGUAY", None, "Paraguay", "C"),
    ("ZS", "SOUTH AFRICA", None, "South Africa", "C"),
    ("ZS8", "PRINCE EDWARD &amp; MARION ISLANDS", None, "Prince Edward & Marion Is.", "R"),
]

# Deleted entities, same fields; the listing shows them with "(Deleted)".
DELETED = [
    ("A1", "ABU AIL IS. (DELETED)", None, "Abu Ail Is.", "D"),
    ("VQ9/A", "ALDABRA (DELETED)", None, "Aldabra", "D"),
    ("HK0", "BAJO NUEVO (DELETED)", "HK0/B", "Bajo Nuevo", "D"),
    ("1B", "BLENHEIM REEF (DELETED)", None, "Blenheim Reef", "D"),
    ("PJ2", "BONAIRE,CURACAO (NETH ANTILLES) (DELETED)", "PJ2/D", "Bonaire & Curacao (Neth. Antilles)", "D"),
    ("ZC5", "BRITISH NORTH BORNEO (DELETED)", None, "British North Borneo", "D"),
    ("VQ6", "BRITISH SOMALILAND (DELETED)", None, "British Somaliland", "D"),
    ("KZ5", "CANAL ZONE (DELETED)", None, "Canal Zone", "D"),
    ("PK6", "CELEBE &amp; MOLUCCA ISLANDS (DELETED)", None, "Celebe & Molucca Is.", "D"),
    ("FH8", "COMORO ISLANDS (DELETED)", "FH/D", "Comoro Is.", "D"),
    ("OK", "CZECHOSLOVAKIA (DELETED)", "OK/D", "Czechoslovakia", "D"),
    ("CR8", "DAMAO, DIU (DELETED)", "CR8/D", "Damao & Diu", "D"),
    ("VQ9/D", "DESROCHES (DELETED)", None, "Desroches", "D"),
    ("VQ9/F", "FARQUHAR (DELETED)", None, "Farquhar", "D"),
    ("FQ8", "FRENCH EQUATORIAL AFRICA (DELETED)", None, "French Equatorial Africa", "D"),
    ("FN8", "FRENCH INDIA (DELETED)", None, "French India", "D"),
    ("FI8", "FRENCH INDO-CHINA (DELETED)", None, "French Indo-China", "D"),
    ("FF", "FRENCH WEST AFRICA (DELETED)", None, "French West Africa", "D"),
    ("DM", "GERMAN DEMOCRATIC REPUBLIC (DELETED)", "Y2", "German Democratic Republic", "D"),
    ("DL", "GERMANY (DELETED)", "DL/D", "Germany", "D"),
    ("1G", "GEYSER REEF (DELETED)", None, "Geyser Reef", "D"),
    ("VR1", "GILBERT &amp; ELLICE ISLANDS (DELETED)", None, "Gilbert & Ellice Is.", "D"),
    ("CR8", "GOA (DELETED)", "CR8/G", "Goa", "D"),
    ("EA9", "IFNI (DELETED)", "EA9/I", "Ifni", "D"),
    ("I5", "ITALIAN SOMALILAND (DELETED)", None, "Italian Somaliland", "D"),
    ("PK1", "JAVA (DELETED)", None, "Java", "D"),
    ("VS9K", "KAMARAN ISLANDS (DELETED)", None, "Kamaran Is.", "D"),
    ("UN1", "KARELO-FINNISH REPUBLIC (DELETED)", None, "Karelo-Finnish Republic", "D"),
    ("VS9O", "KURIA MURIA ISLAND (DELETED)", None, "Kuria Muria I.", "D"),
    ("VO2", "LABRADOR (DELETED)", None, "Labrador", "D"),
    ("VS2", "MALAYA (DELETED)", None, "Malaya", "D"),
    ("R1M", "MALYJ VYSOTSKIJ ISLAND (DELETED)", "4J1", "Malyj Vysotskij I.", "D"),
    ("C9", "MANCHURIA (DELETED)", "C9/M", "Manchuria", "D"),
    ("1M", "MINERVA REEF (DELETED)", None, "Minerva Reef", "D"),
    ("PK5", "NETHERLANDS BORNEO (DELETED)", None, "Netherlands Borneo", "D"),
    ("JZ0", "NETHERLANDS NEW GUINEA (DELETED)", None, "Netherlands New Guinea", "D"),
    ("VO1", "NEWFOUNDLAND (DELETED)", None, "Newfoundland", "D"),
    ("KR6", "OKINAWA (DELETED)", None, "Okinawa", "D"),
    ("7J1", "OKINO TORI-SHIMA (DELETED)", None, "Okino Tori-shima", "D"),
    ("ZC6", "PALESTINE (DELETED)", None, "Palestine", "D"),
    ("VK9", "PAPUA TERRITORY (DELETED)", "P2/P", "Papua Territory", "D"),
    ("ZS0", "PENGUIN ISLANDS (DELETED)", None, "Penguin Is.", "D"),
    ("VS9A", "PEOPLES DEM REP OF YEMEN (DELETED)", "7O/D", "People's Dem. Rep. of Yemen", "D"),
    ("CR8", "PORTUGUESE TIMOR (DELETED)", "CR8/T", "Portuguese Timor", "D"),
    ("EA9/R", "RIO DE ORO (DELETED)", None, "Rio de Oro", "D"),
    ("9U5", "RUANDA-URUNDI (DELETED)", None, "Ruanda-Urundi", "D"),
    ("9S4", "SAAR (DELETED)", None, "Saar", "D"),
    ("VS4", "SARAWAK (DELETED)", None, "Sarawak", "D"),
    ("8Z4", "SAUDI ARABIA/IRAQ NEUT ZONE", None, "Saudi Arabia/Iraq Neutral Zone", "D"),
    ("8Z5", "SAUDI ARABIA/KUWAIT NEUTRAL ZONE (DELETED)", None, "Saudi Arabia/Kuwait Neutral Zone", "D"),
    ("HK0", "SERRANA BANK &amp; RONCADOR CAY (DELETED)", "HK0/S", "Serrana Bank & Roncador Cay", "D"),
    ("AC3", "SIKKIM (DELETED)", None, "Sikkim", "D"),
    ("PJ7", "SINT MAARTEN, SABA, ST EUSTATIUS (DELETED)", "PJ7/D", "Sint Maarten Saba St. Eustatius", "D"),
    ("ST0", "SOUTHERN SUDAN (DELETED)", None, "Southern Sudan", "D"),
    ("PK4", "SUMATRA (DELETED)", None, "Sumatra", "D"),
    ("KS4", "SWAN ISLAND (DELETED)", None, "Swan Is.", "D"),
    ("CN2", "TANGIER (DELETED)", None, "Tangier", "D"),
    ("VK9", "TERRITORY OF NEW GUINEA (DELETED)", "P2/G", "Territory of New Guinea", "D"),
    ("AC4", "TIBET (DELETED)", None, "Tibet", "D"),
    ("I1", "TRIESTE (DELETED)", None, "Trieste", "D"),
    ("ZS9", "WALVIS BAY (DELETED)", None, "Walvis Bay", "D"),
    ("4W", "YEMEN ARAB REPUBLIC (DELETED)", "4W/D", "Yemen Arab Republic", "D"),
    ("VQ1", "ZANZIBAR (DELETED)", None, "Zanzibar", "D"),
]

# Entities the listing carries but the saved page does not: the newest
# entity, which this page predates, and a deleted one the page leaves out.
LISTING_ONLY = [
    ("Z6", "Republic of Kosovo", "C"),
    ("KS4B", "Quita Sueno Bank (Deleted)", "D"),
]

# Deleted entities that do carry a LoTW credit (contacts uploaded from old
# logs), with the credited columns.
DELETED_CREDITS = {
    "DM": ["MIX", "CW", "80", "20"],
    "OK/D": ["MIX", "CW", "40"],
    "DL/D": ["MIX", "CW", "20"],
    "VS9A": ["MIX", "PHO", "20"],
}

# Deliberate disagreements: (listing prefix, column, listing cell, LoTW cell).
# The LoTW cell is forced to the value given; "" stands for no credit.
PLANTED = [
    ("JA", "CW", "C", "X"),
    ("VE", "CW", "C", "X"),
    ("PY", "40", "C", "X"),
    ("KL", "80", "C", "X"),
    ("G", "PHO", "C", "X"),
    ("EA", "20", "*", ""),
    ("W", "160", "*", ""),
    ("KC4", "30", "*", ""),
    ("T9", "RTTY", "*", ""),
    ("I", "IMG", "*", ""),
    ("DL", "12", "S", "X"),
    ("IS", "15", "S", "X"),
    ("EM", "17", DOT, "X"),
    ("OK", "Sat", DOT, "X"),
]

# Chance of a credit in each LoTW column once the entity is credited at all.
COLUMN_ODDS = {
    "PHO": 0.60, "CW": 0.80, "RTTY": 0.45, "Sat": 0.03,
    "160": 0.15, "80": 0.35, "40": 0.65, "30": 0.45, "20": 0.85,
    "17": 0.55, "15": 0.65, "12": 0.40, "10": 0.50, "6": 0.08, "2": 0.01,
}
# Chance that the entity is credited at all, by how often it is worked.
ENTITY_ODDS = {"C": 0.98, "M": 0.80, "R": 0.35}
# Odds of band credit are scaled down for entities that are seldom on air.
SCALE = {"C": 1.0, "M": 0.7, "R": 0.4}

MODES = ["PHO", "CW", "RTTY"]
BANDS = ["160", "80", "40", "30", "20", "17", "15", "12", "10", "6", "2"]


def lotw_key(row_prefix, name):
    return LOTW_NAME_KEYS.get(name, row_prefix)


def listing_key(prefix):
    return LISTING_PREFIX_KEYS.get(prefix, prefix)


class Entity:
    def __init__(self, row_prefix, name, vprefix, vname, tier):
        self.row_prefix = row_prefix
        self.name = name
        self.key = lotw_key(row_prefix, name)
        self.vprefix = vprefix or self.key
        self.vname = vname + (" (Deleted)" if tier == "D" else "")
        self.tier = tier
        self.credit = {}     # LoTW column -> True
        self.listing = {}    # listing column -> status character


def draw_credits(rng, ent):
    if ent.tier == "D":
        for col in DELETED_CREDITS.get(ent.key, []):
            ent.credit[col] = True
        return
    if rng.random() >= ENTITY_ODDS[ent.tier]:
        return
    scale = SCALE[ent.tier]
    for col in MODES + ["Sat"] + BANDS:
        if rng.random() < COLUMN_ODDS[col] * scale:
            ent.credit[col] = True
    if not any(ent.credit.get(m) for m in MODES):
        ent.credit[rng.choice(["PHO", "CW", "CW", "RTTY"])] = True
    if not any(ent.credit.get(b) for b in BANDS):
        ent.credit[rng.choice(["40", "20", "20", "15"])] = True
    ent.credit["MIX"] = True


def uncredited_status(rng, ent, col):
    """What the logbook shows in a cell where LoTW grants no credit."""
    worked = ent.credit.get("MIX", False) and ent.tier != "D"
    r = rng.random()
    if col == "IMG":
        return "W" if worked and r < 0.03 else DOT
    if col == "60":
        if worked and r < 0.10:
            return "W"
        return "C" if worked and r < 0.13 else DOT
    if ent.tier == "D":
        return "C" if col in ("MIX", "CW") and r < 0.04 else DOT
    if not worked:
        # Logged or carded, but no LoTW confirmation yet.
        if col == "MIX":
            return "W" if r < 0.30 else ("C" if r < 0.40 else DOT)
        return "W" if r < 0.06 else DOT
    if r < 0.07:
        return "W"
    if r < 0.10:
        return "C"
    if r < 0.115:
        return "M"
    if r < 0.12:
        return "L"
    return DOT


def build(rng):
    entities = [Entity(*e) for e in CURRENT + DELETED]
    by_vprefix = {e.vprefix: e for e in entities}
    for ent in entities:
        draw_credits(rng, ent)
    for vprefix, col, _, lotw in PLANTED:
        ent = by_vprefix[vprefix]
        if col in LOTW_COLUMNS:
            if lotw == "X":
                ent.credit[col] = True
                ent.credit["MIX"] = True
            else:
                ent.credit.pop(col, None)
                if not ent.credit.get("MIX"):
                    # The logbook claims a credit here, so the entity is one
                    # LoTW credits elsewhere.
                    for other in ("MIX", "CW", "20"):
                        if other != col:
                            ent.credit[other] = True
    for ent in entities:
        for col in LISTING_COLUMNS:
            if ent.credit.get(col):
                ent.listing[col] = "*"
            else:
                ent.listing[col] = uncredited_status(rng, ent, col)
    for vprefix, col, cell, _ in PLANTED:
        by_vprefix[vprefix].listing[col] = cell
    extra = []
    for vprefix, vname, tier in LISTING_ONLY:
        ent = Entity(vprefix, vname.upper(), None, vname, "C")
        ent.vname = vname
        ent.tier = tier
        for col in LISTING_COLUMNS:
            ent.listing[col] = DOT
        if tier != "D":
            for col in ["MIX", "PHO", "CW", "20", "17", "15"]:
                ent.listing[col] = "*"
            ent.listing["40"] = "C"
        extra.append(ent)
    return entities, extra


def check(entities, extra):
    keys = {}
    for ent in entities:
        assert ent.key not in keys, "key filed twice: %s" % ent.key
        keys[ent.key] = ent
        assert listing_key(ent.vprefix) == ent.key, ent.vprefix
        assert "," not in ent.vname and "," not in ent.vprefix, ent.vname
        for text in (ent.row_prefix, ent.name):
            assert text and not set(text) & set("<>\r\n"), text
            for marker in ("/TABLE", "/table", "/tbody"):
                assert marker not in text
        if ent.credit:
            assert ent.credit.get("MIX")
    for ent in extra:
        assert listing_key(ent.vprefix) not in keys, ent.vprefix
    page_names = {e.name for e in entities}
    for name in LOTW_NAME_KEYS:
        assert name in page_names or name.replace("&", "&amp;") in page_names, name
    vprefixes = [e.vprefix for e in entities + extra]
    assert len(vprefixes) == len(set(vprefixes))


CSS = """body { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; color: #222; }
#header { background: #1d3a6e; color: #fff; padding: 8px 14px; }
#header h1 { margin: 0; font-size: 16pt; }
#nav a { color: #cfe0ff; margin-right: 12px; }
table.matrix { border-collapse: collapse; margin: 10px 0; }
table.matrix th { background: #dde6f3; border: 1px solid #9aa9c2; padding: 2px 5px; }
table.matrix td { border: 1px solid #c7cfdc; padding: 1px 5px; text-align: center; }
table.matrix td + td { text-align: left; }
table.matrix td + td + td { text-align: center; }
#footer { border-top: 1px solid #9aa9c2; margin-top: 16px; padding-top: 6px; font-size: 8pt; color: #666; }"""


def write_page(path, entities):
    rows = sorted(entities, key=lambda e: e.name)
    assert rows[0].key == "A1"
    credited = sum(1 for e in entities if e.credit.get("MIX") and e.tier != "D")
    out = []
    add = out.append
    add('<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" '
        '"http://www.w3.org/TR/html4/loose.dtd">')
    url = "https://lotw.example.org/credits/matrix?award=DXCC"
    add("<!-- saved from url=(%04d)%s -->" % (len(url), url))
    add("<html>")
    add("<head>")
    add('<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">')
    add("<title>LoTW - Award Credit Matrix</title>")
    add('<style type="text/css">')
    out.extend(CSS.split("\n"))
    add("</style>")
    add("</head>")
    add("<body>")
    add('<div id="header">')
    add("<h1>LoTW</h1>")
    add('<div id="nav"><a href="home">Home</a><a href="qsos">Your QSOs</a>'
        '<a href="awards">Awards</a><a href="accountcredits">Account Credits</a>'
        '<a href="logout">Log off</a></div>')
    add("</div>")
    add('<div id="content">')
    add("<h2>Award Credit Matrix</h2>")
    add('<table class="info">')
    add("<tr><td>Account:</td><td>N0CALL</td></tr>")
    add("<tr><td>Award:</td><td>DXCC</td></tr>")
    add("<tr><td>Current entities credited:</td><td>%d</td></tr>" % credited)
    add("</table>")
    add("<p>An X marks a mode or band for which LoTW credit has been granted. "
        "Credits already applied to an award are included.</p>")
    add('<table class="matrix" cellspacing="0">')
    add("<tr><th>Prefix</th><th>Entity</th><th>Credits</th>"
        + "".join("<th>%s</th>" % c for c in LOTW_COLUMNS) + "</tr>")
    for ent in rows:
        cells = ["X" if ent.credit.get(c) else "&nbsp;" for c in LOTW_COLUMNS]
        total = sum(1 for c in LOTW_COLUMNS[1:] if ent.credit.get(c))
        add("<tr><td>%s</td><td>%s</td><td>%d</td>%s</tr>"
            % (ent.row_prefix, ent.name, total,
               "".join("<td>%s</td>" % c for c in cells)))
    add("</table>")
    add("<p>Entities marked (DELETED) give credit only for contacts made "
        "before the date of deletion.</p>")
    add("</div>")
    add('<div id="footer">LoTW &middot; '
        "Page generated for N0CALL &middot; All times UTC</div>")
    add("</body>")
    add("</html>")
    with open(path, "wb") as f:
        f.write(("\r\n".join(out) + "\r\n").encode("ascii"))


def write_listing(path, entities, extra):
    rows = sorted(entities + extra, key=lambda e: e.vprefix)
    lines = [LISTING_HEADER]
    for ent in rows:
        lines.append(",".join([ent.vprefix, ent.vname]
                              + [ent.listing[c] for c in LISTING_COLUMNS]))
    data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    with open(path, "wb") as f:
        f.write(data)


def report(entities, extra):
    current = sum(1 for e in entities if e.tier != "D")
    deleted = len(entities) - current
    print("page: %d entities (%d current, %d deleted)" % (len(entities), current, deleted))
    print("listing: %d entities (%d not on the page)" % (len(entities) + len(extra), len(extra)))
    print("planted disagreements (listing prefix, column, listing cell, LoTW cell):")
    for vprefix, col, cell, lotw in PLANTED:
        print("  %-5s %-4s  %s  [%s]" % (vprefix, col, cell.replace(DOT, "."), lotw or " "))
    plain = len(PLANTED)
    with_s = plain - sum(1 for p in PLANTED if p[2] == "S")
    print("expected MISMATCH lines: %d, with submitted as checked: %d" % (plain, with_s))
    for ent in extra:
        print("not on the page: %s %s" % (ent.vprefix, ent.vname))


def main():
    rng = random.Random(SEED)
    entities, extra = build(rng)
    check(entities, extra)
    write_page(os.path.join(HERE, "lotw-credit-matrix.html"), entities)
    write_listing(os.path.join(HERE, "vellum-dxcc.csv"), entities, extra)
    if "--report" in sys.argv[1:]:
        report(entities, extra)


if __name__ == "__main__":
    main()
