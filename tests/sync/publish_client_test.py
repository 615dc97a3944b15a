#!/usr/bin/python3
"""zamanix-reminders publish against a real Radicale on the loopback
interface, checked with clients that are not ours: Python's caldav for the
events, plain HTTP (PROPFIND) for the objects' ETags, Python's icalendar for
the export file. Usage: publish_client_test.py ZAMANIX_REMINDERS"""
import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
import xml.etree.ElementTree as ElementTree

import caldav
import icalendar

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import radicale_server  # noqa: E402

PROGRAM = None
# Monday 7 December 2026, 12:00 UTC.
NOW = "1796644800"
PROFILE = (
    "[Defaults]\n"
    "HijriCalendar=umalqura\n"
    "[Reminder]\n"
    "Ramadhan/27=Visit uncle; bring dates\n"
    'March/06=\\"Dentist\\nbring the card"\n'
    "December/08=Pay the rent\n"
    "[Alarm]\n"
    "Ramadhan/27=07:30 15\n"
)
ANOTHER_PROGRAMS_EVENT = """BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Someone else//EN
BEGIN:VEVENT
UID:dinner-1@example.org
DTSTAMP:20261201T000000Z
DTSTART:20261210T190000Z
SUMMARY:Dinner
END:VEVENT
END:VCALENDAR
"""


class PublishTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name
        os.mkdir(os.path.join(self.dir, "server"))
        self.server = radicale_server.start(os.path.join(self.dir, "server"))
        self.url = self.server.url(radicale_server.USER + "/zamanix/")
        self.profile = os.path.join(self.dir, "zamanix.INI")
        self.write_profile(PROFILE)
        self.password_file = os.path.join(self.dir, "password")
        with open(self.password_file, "w") as f:
            f.write(radicale_server.PASSWORD + "\n")

    def tearDown(self):
        self.server.stop()
        self.folder.cleanup()

    def write_profile(self, text):
        with open(self.profile, "w") as f:
            f.write(text)

    def read_profile(self):
        with open(self.profile) as f:
            return f.read()

    def run_program(self, *args, stdin=None, now=NOW):
        env = {"TZ": "Asia/Riyadh", "LC_ALL": "C", "ZAMANIX_REMINDERS_NOW": now,
               "HOME": self.dir, "PATH": "/usr/bin:/bin"}
        return subprocess.run([PROGRAM, "--profile", self.profile, *args], env=env, input=stdin,
                              capture_output=True, text=True, timeout=60)

    def publish(self, *args, **kwargs):
        return self.run_program("publish", "--url", self.url, "--user", radicale_server.USER,
                                "--password-file", self.password_file, *args, **kwargs)

    def calendar(self):
        client = caldav.DAVClient(url=self.server.url(), username=radicale_server.USER,
                                  password=radicale_server.PASSWORD)
        return caldav.Calendar(client=client, url=self.url)

    def etags(self):
        """Each object's name and ETag, by a plain PROPFIND."""
        request = urllib.request.Request(self.url, method="PROPFIND", headers={"Depth": "1"},
                                         data=b'<?xml version="1.0"?><propfind xmlns="DAV:">'
                                              b"<prop><getetag/></prop></propfind>")
        manager = urllib.request.HTTPPasswordMgrWithDefaultRealm()
        manager.add_password(None, self.server.url(), radicale_server.USER,
                             radicale_server.PASSWORD)
        opener = urllib.request.build_opener(urllib.request.HTTPBasicAuthHandler(manager))
        with opener.open(request) as answer:
            tree = ElementTree.fromstring(answer.read())
        found = {}
        for response in tree.iter("{DAV:}response"):
            name = response.find("{DAV:}href").text.rstrip("/").rsplit("/", 1)[-1]
            etag = response.find(".//{DAV:}getetag")
            if name.endswith(".ics"):
                found[name] = etag.text
        return found

    def described(self, events):
        """What a phone shows of each event: UID, start, summary, alarms."""
        described = set()
        for event in events:
            alarms = tuple(sorted((str(a["ACTION"]), str(a["TRIGGER"].to_ical(), "ascii"),
                                   str(a["DESCRIPTION"])) for a in event.walk("VALARM")))
            described.add((str(event["UID"]), event["DTSTART"].to_ical().decode(),
                           str(event["DTSTART"].params.get("TZID")), str(event["SUMMARY"]),
                           alarms))
        return described

    def server_events(self):
        events = []
        for found in self.calendar().events():
            events.extend(icalendar.Calendar.from_ical(found.data).walk("VEVENT"))
        return self.described(events)

    def exported_events(self, years="2"):
        answer = self.run_program("export", "--years", years)
        self.assertEqual(answer.returncode, 0, answer.stderr)
        return self.described(icalendar.Calendar.from_ical(answer.stdout).walk("VEVENT"))

    def assert_published(self, answer, summary):
        self.assertEqual(answer.returncode, 0, answer.stderr)
        self.assertEqual(answer.stdout, f"published to {self.url}: {summary}\n")
        self.assertEqual(answer.stderr, "")

    def test_first_publish_creates_the_calendar_with_exactly_the_exported_events(self):
        self.assert_published(self.publish(),
                              "calendar created; 6 added, 0 changed, 0 removed, 0 unchanged")
        self.assertEqual(self.server_events(), self.exported_events())
        self.assertEqual(len(self.etags()), 6)
        # --years, and the years kept in the profile.
        self.assert_published(self.publish("--years", "3"),
                              "3 added, 0 changed, 0 removed, 6 unchanged")
        self.assertEqual(self.server_events(), self.exported_events("3"))
        self.write_profile(PROFILE + "[CalendarServer]\nYears=1\n")
        self.assert_published(self.publish(), "0 added, 0 changed, 6 removed, 3 unchanged")
        self.assertEqual(self.server_events(), self.exported_events("1"))

    def test_a_second_publish_sends_nothing(self):
        self.assert_published(self.publish(),
                              "calendar created; 6 added, 0 changed, 0 removed, 0 unchanged")
        before = self.etags()
        self.assert_published(self.publish(), "0 added, 0 changed, 0 removed, 6 unchanged")
        self.assertEqual(self.etags(), before)

    def test_a_removed_and_a_changed_reminder_send_only_their_events(self):
        self.publish()
        before = self.etags()
        self.write_profile(PROFILE.replace("December/08=Pay the rent\n", "").replace(
            "Ramadhan/27=07:30 15", "Ramadhan/27=06:00 15"))
        self.assert_published(self.publish(), "0 added, 2 changed, 2 removed, 2 unchanged")
        after = self.etags()
        changed = {name for name in after if after[name] != before.get(name)}
        self.assertEqual(len(changed), 2)
        self.assertTrue(all("UmFtYWRoYW4vMjc" in name for name in changed), changed)
        self.assertFalse(any("RGVjZW1iZXIvMDg" in name for name in after))
        self.assertEqual(self.server_events(), self.exported_events())

    def test_another_programs_event_survives(self):
        self.publish()
        self.calendar().save_event(ANOTHER_PROGRAMS_EVENT)
        theirs = {n: e for n, e in self.etags().items() if not n.startswith("zamanix-")}
        self.assertEqual(len(theirs), 1)
        self.write_profile("[Defaults]\nHijriCalendar=umalqura\n")
        self.assert_published(self.publish(), "0 added, 0 changed, 6 removed, 0 unchanged")
        self.assertEqual(self.etags(), theirs)
        summaries = [str(icalendar.Calendar.from_ical(e.data).walk("VEVENT")[0]["SUMMARY"])
                     for e in self.calendar().events()]
        self.assertEqual(summaries, ["Dinner"])

    def test_an_event_changed_on_the_server_is_kept_until_its_reminder_changes(self):
        self.publish()
        calendar = self.calendar()
        edited = [e for e in calendar.events() if "UmFtYWRoYW4vMjc" in str(e.url)][0]
        event = edited.icalendar_instance.walk("VEVENT")[0]
        event["SUMMARY"] = icalendar.vText("Visit uncle, moved on the phone")
        edited.data = edited.icalendar_instance.to_ical()
        edited.save()
        name = str(edited.url).rsplit("/", 1)[-1]
        kept = self.etags()[name]
        self.assert_published(
            self.publish(), "0 added, 0 changed, 0 removed, 5 unchanged, 1 changed elsewhere and kept")
        self.assertEqual(self.etags()[name], kept)
        # The reminder changes: its events say what it says again.
        self.write_profile(PROFILE.replace("Visit uncle; bring dates", "Visit uncle and aunt"))
        self.assert_published(self.publish(), "0 added, 2 changed, 0 removed, 4 unchanged")
        self.assertEqual(self.server_events(), self.exported_events())

    def test_a_wrong_password_fails_clearly_and_changes_nothing(self):
        self.publish()
        before = self.etags()
        self.write_profile(PROFILE.replace("Pay the rent", "Pay the rent today"))
        answer = self.publish("--password-file", "-", stdin="wrong\n")
        self.assertEqual(answer.returncode, 1)
        self.assertEqual(answer.stdout, "")
        self.assertEqual(answer.stderr,
                         f"zamanix-reminders: cannot publish to {self.url}: the server 127.0.0.1 "
                         f'refused the user name "anna" or its password (401)\n')
        self.assertEqual(self.etags(), before)
        self.assertEqual(self.read_profile(), PROFILE.replace("Pay the rent", "Pay the rent today"))
        self.assertEqual(sorted(os.listdir(self.dir)), ["password", "server", "zamanix.INI"])

    def test_a_stopped_server_fails_clearly(self):
        self.server.stop()
        started = time.monotonic()
        answer = self.publish()
        self.assertEqual(answer.returncode, 1)
        self.assertTrue(answer.stderr.startswith(
            f"zamanix-reminders: cannot publish to {self.url}: cannot reach 127.0.0.1: "),
            answer.stderr)
        self.assertLess(time.monotonic() - started, 30)
        self.assertEqual(self.read_profile(), PROFILE)

    def test_a_server_that_does_not_answer_fails_within_30_seconds(self):
        silent = socket.socket()
        silent.bind(("127.0.0.1", 0))
        silent.listen(8)  # connections are taken, never answered
        url = f"http://127.0.0.1:{silent.getsockname()[1]}/anna/zamanix/"
        started = time.monotonic()
        answer = self.run_program("publish", "--url", url, "--user", "anna",
                                  "--password-file", self.password_file)
        silent.close()
        self.assertLess(time.monotonic() - started, 30)
        self.assertEqual(answer.returncode, 1)
        self.assertEqual(answer.stderr, f"zamanix-reminders: cannot publish to {url}: "
                                        "127.0.0.1 did not answer within 20 seconds\n")

    def test_bad_input_is_refused_with_status_2(self):
        cases = [
            ([], "no calendar server is set up: give --url URL (and --user NAME), or keep them "
                 "in the profile as URL= and User= under [CalendarServer]"),
            (["--url", "ftp://example.org/cal/"],
             '"ftp://example.org/cal/" is not the URL of a calendar: write https:// (or '
             "http://), the server's name and the calendar's path, such as "
             "https://dav.example.org/anna/zamanix/"),
            (["--url", self.url, "--password-file", os.path.join(self.dir, "none")],
             f'cannot read the password from "{self.dir}/none": No such file or directory'),
            (["--url", self.url, "--years", "0"],
             "--years takes a number of years from 1 to 100, not '0'"),
            (["--url", self.url, "--from", "2027-01-01"],
             "option --from does not apply to this command"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                answer = self.run_program("publish", *args)
                self.assertEqual(answer.returncode, 2)
                self.assertEqual(answer.stderr.splitlines()[0], "zamanix-reminders: " + message)
        self.assertEqual(self.etags_or_none(), None)

    def etags_or_none(self):
        try:
            return self.etags()
        except urllib.error.HTTPError as error:
            return None if error.code == 404 else error

    def test_the_profile_names_the_server_and_no_keyring_is_no_password(self):
        self.write_profile(PROFILE + f"[CalendarServer]\nURL={self.url}\nUser=anna\n")
        answer = self.run_program("publish", "--password-file", self.password_file)
        self.assertEqual(answer.returncode, 0, answer.stderr)
        # No session bus, so no keyring answers: the user is told what to do.
        answer = self.run_program("publish")
        self.assertEqual(answer.returncode, 2)
        self.assertTrue(answer.stderr.startswith(
            f'zamanix-reminders: no keyring answered to give the password for "anna" at '
            f"{self.url} ("), answer.stderr)
        self.assertTrue(answer.stderr.endswith(
            "; give it with --password-file FILE (- reads standard input)\n"), answer.stderr)


if __name__ == "__main__":
    PROGRAM = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
