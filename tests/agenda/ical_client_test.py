#!/usr/bin/python3
"""zamanix-reminders export read by two iCalendar clients that are not ours:
Python's icalendar library and khal, each with exports made in two time
zones. Usage: ical_client_test.py ZAMANIX_REMINDERS KHAL"""
import datetime
import os
import subprocess
import sys
import tempfile
import unittest
import zoneinfo

import icalendar

PROGRAM = KHAL = None
# Monday 7 December 2026, 12:00 UTC: the clock of every export.
NOW = "1796644800"
PROFILE = (
    "[Reminder]\n"
    "Ramadhan/27=Visit uncle; bring dates, figs\n"
    'March/06=\\"Dentist\\nbring the card"\n'
    "February/29=Leap day\n"
    "[Alarm]\n"
    "Ramadhan/27=07:30 15\n"
    "February/29=21:05 60\n"
    "[MoreReminders]\n"
    "Rajab/1/1448=Engagement\n"
    "[MoreAlarms]\n"
    "Rajab/1/1448=18:00 5\n"
    "[Notice]\n"
    "Rajab/1/1448=3\n"
)
# The local dates and times of the events of the next two years; 27
# Ramadhan 1448 and 1449 fall on 6 March 2027 and 23 February 2028, the
# once reminder's 1 Rajab 1448 on 10 December 2026.
EXPECTED = [
    ("2026-12-10 18:00", "Engagement"),
    ("2027-03-06 07:30", "Visit uncle; bring dates, figs"),
    ("2027-03-06 08:00", "Dentist\nbring the card"),
    ("2028-02-23 07:30", "Visit uncle; bring dates, figs"),
    ("2028-02-29 21:05", "Leap day"),
    ("2028-03-06 08:00", "Dentist\nbring the card"),
]
ZONES = ["Asia/Tokyo", "America/New_York"]


class ClientTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name
        self.profile = os.path.join(self.dir, "zamanix.INI")
        with open(self.profile, "w") as f:
            f.write(PROFILE)

    def tearDown(self):
        self.folder.cleanup()

    def export(self, zone, name, now=NOW):
        path = os.path.join(self.dir, name)
        env = dict(os.environ, TZ=zone, ZAMANIX_REMINDERS_NOW=now)
        subprocess.run([PROGRAM, "--profile", self.profile, "export", "--years", "2", "-o", path],
                       env=env, check=True)
        return path

    def khal(self, *args, zone="UTC"):
        config = os.path.join(self.dir, "khal.conf")
        with open(config, "w") as f:
            f.write(f"""[calendars]
[[zamanix]]
path = {self.dir}/calendar
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = {zone}
default_timezone = {zone}
[sqlite]
path = {self.dir}/khal.db
""")
        os.makedirs(os.path.join(self.dir, "calendar"), exist_ok=True)
        env = dict(os.environ, HOME=self.dir, XDG_CONFIG_HOME=self.dir, XDG_DATA_HOME=self.dir)
        return subprocess.run([KHAL, "-c", config, *args], env=env, check=True,
                              capture_output=True, text=True).stdout

    def test_icalendar_reads_local_times_texts_and_alarms(self):
        for zone in ZONES:
            with self.subTest(zone=zone):
                with open(self.export(zone, "out.ics"), "rb") as f:
                    calendar = icalendar.Calendar.from_ical(f.read())
                events = []
                for event in calendar.walk("VEVENT"):
                    start = event.decoded("DTSTART")
                    self.assertIsNotNone(start.tzinfo)
                    # The moment, in the zone by its own rules, not the file's.
                    local = start.astimezone(zoneinfo.ZoneInfo(zone))
                    events.append((local.strftime("%Y-%m-%d %H:%M"), str(event["SUMMARY"])))
                    alarms = event.walk("VALARM")
                    # A reminder with notice rings that many days before, too.
                    notice = 3 if str(event["SUMMARY"]) == "Engagement" else None
                    triggers = [datetime.timedelta(0)]
                    if notice:
                        triggers.append(-datetime.timedelta(days=notice))
                    self.assertEqual([a.decoded("TRIGGER") for a in alarms], triggers)
                    for alarm in alarms:
                        self.assertEqual(str(alarm["ACTION"]), "DISPLAY")
                        self.assertEqual(str(alarm["DESCRIPTION"]), str(event["SUMMARY"]))
                self.assertEqual(sorted(events), EXPECTED)

    def test_khal_imports_the_right_moments_and_updates_on_a_second_import(self):
        for zone in ZONES:
            with self.subTest(zone=zone):
                if zone != ZONES[0]:  # a new profile folder and calendar
                    self.tearDown()
                    self.setUp()
                first = self.export(zone, "first.ics")
                second = self.export(zone, "second.ics", now=str(int(NOW) + 86400))
                self.khal("import", "--batch", "-a", "zamanix", first)
                self.khal("import", "--batch", "-a", "zamanix", second)
                listed = self.khal("list", "--format", "{start} {title}", "--day-format", "",
                                   "2026-12-07", "2029-01-01")
                # khal shows UTC; the expected moments go there by the zone's rules.
                expected = []
                for when, title in EXPECTED:
                    local = datetime.datetime.strptime(when, "%Y-%m-%d %H:%M").replace(
                        tzinfo=zoneinfo.ZoneInfo(zone))
                    utc = local.astimezone(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M")
                    expected.append(f"{utc} {title}")
                lines = [line for line in listed.splitlines() if line.strip()]
                self.assertEqual(sorted(lines), sorted("\n".join(expected).splitlines()))
                self.assertEqual(len(os.listdir(os.path.join(self.dir, "calendar"))), 6)

    def test_two_exports_give_the_same_uids(self):
        def uids(path):
            with open(path, "rb") as f:
                return [str(e["UID"]) for e in icalendar.Calendar.from_ical(f.read()).walk("VEVENT")]
        first = uids(self.export("Asia/Tokyo", "a.ics"))
        self.assertEqual(len(set(first)), 6)
        # A month and more later the once reminder's day has gone by; the
        # others keep their UIDs.
        later = [uid for uid in first if not uid.startswith("20261210-")]
        self.assertEqual(len(later), 5)
        self.assertEqual(uids(self.export("America/New_York", "b.ics", now="1800000000")), later)


if __name__ == "__main__":
    PROGRAM, KHAL = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
