#!/usr/bin/python3
"""Changes the SUMMARY of a calendar object as another program would, by
plain HTTP: edit_event.py URL USER PASSWORD SUMMARY."""
import base64
import re
import sys
import urllib.request

url, user, password, summary = sys.argv[1:5]
auth = "Basic " + base64.b64encode(f"{user}:{password}".encode()).decode()
with urllib.request.urlopen(urllib.request.Request(url, headers={"Authorization": auth})) as got:
    text = got.read().decode()
text = re.sub(r"(?m)^SUMMARY:.*$", "SUMMARY:" + summary, text.replace("\r\n", "\n"), count=1)
put = urllib.request.Request(url, data=text.replace("\n", "\r\n").encode(), method="PUT",
                             headers={"Authorization": auth, "Content-Type": "text/calendar"})
urllib.request.urlopen(put).close()
