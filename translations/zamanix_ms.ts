<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>Semua Peringatan - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>Tapis mengikut nota atau kunci</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>Tapis peringatan</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>Hanya memaparkan peringatan yang nota atau kuncinya mengandungi teks ini</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>Semua peringatan</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Enter membuka peringatan dalam borang, Delete memadamnya, Escape menutup tetingkap</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n peringatan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%1 daripada %n peringatan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1; %n tidak akan tiba</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>Borang tidak dapat memaparkan %1: %2.

Padamkannya di sini, atau betulkan kuncinya dalam profil.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>Padam peringatan %1?

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Peringatan untuk %1 tidak dapat dipadam.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>Borang tidak dapat memaparkan hari bagi %1, yang tidak akan tiba: %2.

Suntingnya di sini, atau padamkannya.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>Peringatan &amp;Baharu...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>Menambah peringatan: setiap tahun, sekali, setiap bulan atau setiap minggu</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Sunting...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>Mengubah peringatan yang dipilih</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Buka dalam Borang</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>Memaparkan hari peringatan yang dipilih dalam borang</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Pa&amp;dam</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>Memadam peringatan yang dipilih, selepas bertanya</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;ksport...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>Menyimpan peringatan lima tahun akan datang sebagai fail iCalendar</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>Belum ada peringatan. Pilih Peringatan Baharu... untuk menambah sebarang jenis, atau dalam tetingkap utama pilih tarikh, taip nota dan pilih Tambah.</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Enter membuka peringatan tahunan dalam borang dan menyunting yang lain, Delete membuang satu, kekunci Menu menunjukkan tindakan lain, Escape menutup tetingkap</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 tidak akan tiba: %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 jatuh pada %2, yang sudah berlalu; ia tidak akan berbunyi lagi.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 tiba %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>Peringatan untuk %1 sudah ada:

%2

Gantikan dengan yang ini?</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>Peringatan untuk %1 tidak dapat disimpan.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>Pelayan Kalendar - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix menyimpan kalendar pada pelayan CalDAV yang memuatkan setiap hari peringatan tiba, untuk telefon dan program kalendar lain anda. Kalendar yang belum wujud akan dicipta; tanpa URL tiada apa-apa diterbitkan.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>URL kalendar</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>Alamat kalendar pada pelayan, seperti https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>Melalui http:// kata laluan dihantar tanpa penyulitan: gunakan https://, melainkan pelayan berjalan pada komputer ini.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>Nama pengguna anda pada pelayan kalendar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata laluan</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>Kata laluan anda pada pelayan kalendar</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>Tahun ke hadapan</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>Berapa tahun peringatan, mulai hari ini, yang dimuatkan kalendar</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>URL &amp;kalendar:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nama &amp;pengguna:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Kata &amp;laluan:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>&amp;Tahun ke hadapan:</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>Terbitkan Seka&amp;rang</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>Kata laluan disimpan dalam gelang kunci desktop anda, tidak sekali-kali dalam fail Zamanix.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>Tiada kata laluan disimpan untuk pengguna ini pada kalendar ini: berikannya di sini.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Tiada gelang kunci menerima kata laluan, jadi ia disimpan untuk sesi ini sahaja: berikannya di sini lagi selepas Zamanix dimulakan semula.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>Kata laluan disimpan dalam gelang kunci desktop anda.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Tiada gelang kunci menjawab (%1), jadi kata laluan disimpan untuk sesi ini sahaja: berikannya di sini lagi selepas Zamanix dimulakan semula.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>Tetapan pelayan kalendar tidak disimpan: %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>Tetapan pelayan kalendar tidak dapat ditulis ke profil; Zamanix menerbitkan dengannya sehingga ia ditutup.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>Menyerahkan kata laluan kepada gelang kunci...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>Berikan URL kalendar dahulu: Zamanix menerbitkan peringatan di sana.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>Simpan perubahan pada tetapan pelayan kalendar?</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>Terbitkan Sekarang menerbitkan peringatan serta-merta; Zamanix juga menerbitkannya sendiri selepas setiap perubahan.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>Penerbitan dimatikan: berikan URL kalendar untuk diterbitkan.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>Adakah anak bulan %1 telah kelihatan?</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>Hari ini 29 %1; jawapan anda merekodkan hari %2 bermula.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>Ya: %1 bermula esok</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>Tidak: %1 mempunyai 30 hari</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Belum lagi</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: Anak Bulan</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Permulaan %1 tidak dapat direkodkan.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Tetapan bertanya tentang anak bulan tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Pilihan digit tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tarikh Hijrah</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Penggera</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>Peringatan Terlepas - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Peringatan Terlepas</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>Peringatan ini tiba masanya semasa Zamanix tidak berjalan atau komputer sedang tidur.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Peringatan terlepas</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Enter membuka peringatan dalam borang, Escape menutup tetingkap</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Buka dalam Borang</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>Memaparkan peringatan yang dipilih dalam borang</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n peringatan terlepas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Tetapan paparan panel bulan tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Tetapan penandaan hari kebesaran tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>Kedudukan sisi panel bulan tidak dapat disimpan.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>Minggu %1</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Tahun sebelumnya</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Bulan sebelumnya</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hari ini</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Bulan seterusnya</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Tahun seterusnya</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>Kekunci anak panah mengalihkan hari, Page Up dan Page Down mengalihkan bulan, bersama Ctrl mengalihkan tahun; Home pergi ke hari ini; Enter memaparkan hari dalam borang</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>Hari kebesaran: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>dan %1 lagi</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>Hari kebesaran</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>Fasa Bulan (waktu tempatan)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>peringatan: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>peringatan: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>Peringatan: %1 (penggera pada %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Peringatan: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>bulan baharu pada %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>suku pertama pada %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>bulan purnama pada %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>suku akhir pada %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>Bermula Pada...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>Bulan Ini Bermula Pada...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>Buang Rekod</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Permulaan %1 tidak dapat direkodkan.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>Permulaan %1 yang direkodkan tidak dapat dibuang.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>Bila %1 Bermula - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>Hari-hari ia mungkin bermula</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Rekod</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>&amp;Buang Rekod</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>%1 tidak boleh direkodkan bermula pada mana-mana hari sekarang: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 bermula pada %2, seperti direkodkan; %3 memulakannya pada %4. Pilih hari yang diumumkan oleh komuniti anda.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 bermula pada %2, dianjakkan oleh rekod bulan-bulan di sekitarnya; %3 memulakannya pada %4. Pilih hari yang diumumkan oleh komuniti anda.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%1 bermula pada %2 menurut %3. Pilih hari yang diumumkan oleh komuniti anda.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1, kini %2 (permulaan peraturan, direkodkan)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1, kini %2 (permulaan peraturan)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1, kini %2 (direkodkan)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1, kini %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>Diabaikan: %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>hari yang sama</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>1 hari lebih awal</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>1 hari lebih lewat</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 hari lebih awal</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 hari lebih lewat</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Bulan Hijrah</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>Bermula pada</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>Permulaan peraturan</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Beza</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Catatan</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>dan %1 lagi</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>Permulaan Bulan Hijrah - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>Permulaan bulan yang direkodkan</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Delete membuang rekod yang dipilih; Escape menutup tetingkap</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Buang</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>Gantikan rekod dengan rekod daripada fail, seperti yang diterbitkan oleh masjid atau laman komuniti</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>Anak bulan</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>Tanya pada 29 setiap bulan Hijrah sama ada ia kelihatan, pada</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>Masa soalan tentang anak bulan</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Tetapan bertanya tentang anak bulan tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Masa soalan tentang anak bulan tidak dapat disimpan; Zamanix akan melupakannya apabila ditutup.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>Kalendar Hijrah yang digunakan: %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>Tiada permulaan bulan direkodkan; Bulan Ini Bermula Pada... dalam panel bulan merekodkannya.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>Setiap rekod menyatakan hari bulan Hijrah bermula bagi komuniti anda; rekod bertanda tidak dapat disimpan dan diabaikan.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>Buang permulaan %1 yang direkodkan, %2?</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>Buang entri %1 daripada profil?</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>Rekod %1 tidak dapat dibuang.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>Import Permulaan Bulan Hijrah</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>Permulaan bulan (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>Mengimport "%1" menggantikan permulaan bulan yang direkodkan sekarang, dan %2 daripadanya yang tiada dalam fail akan dibuang. Import?</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>Permulaan bulan daripada "%1" tidak dapat diimport.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ia bukan fail</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>ia lebih besar daripada senarai permulaan bulan</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>Tiada apa-apa diimport daripada "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>Tiada apa-apa diimport daripada "%1", kerana baris ini:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix hanya membuka fail setempat</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix tiada tindakan %1</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>Setiap tahun</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Sekali</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Setiap bulan</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Setiap minggu</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masihi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Ahad</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Isnin</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Khamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumaat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tiada</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> hari sebelumnya</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> hari sebelumnya</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendar</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Hari dalam minggu</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>Tiba</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Masa penggera</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Selang ulangan dalam minit</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>Notis: hari sebelum setiap hari ia tiba</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>Sunting Peringatan - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>Peringatan Baharu - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Jenis:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;Kalendar:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Bulan:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Hari:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Ta&amp;hun:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Hari dalam &amp;minggu:</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>Tiba:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;Penggera pada:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Ulang setiap:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>N&amp;otis:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendar</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kunci</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Penggera</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Selang</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Tarikh seterusnya</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tarikh Hijrah</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>esok</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>dalam %n hari</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masihi</translation>
    </message>
    <message>
        <source>never</source>
        <translation>tidak pernah</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>Tidak pernah: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notis</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>lalu, semalam</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>lalu, %n hari lepas</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Setiap tahun</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Sekali</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Setiap bulan</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Setiap minggu</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>%n hari sebelumnya</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts - Zamanix</source>
        <translation>Pintasan Papan Kekunci - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Di mana</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Kekunci</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Fungsinya</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Pintasan papan kekunci</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: salinan yang sedang berjalan tidak menjawab (%1); memulakan salinan lain</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>XDG_CONFIG_HOME mahupun HOME tidak menamakan folder tempat desktop mencari program untuk dimulakan semasa log masuk.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>Laluan program "%1" tidak boleh ditulis dalam entri desktop.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>Zamanix tidak dapat dihentikan daripada dimulakan semasa log masuk:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>Zamanix tidak dapat ditetapkan untuk dimulakan semasa log masuk:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>Manual tidak dapat dibuka: tiada pemapar bantuan (seperti Yelp) dipasang, dan tiada README.

Dalam terminal, "man zamanix" memaparkan manual.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix tidak dapat mengira kalendar %1: %2.

Ia meneruskan dengan kalendar %3; Pilihan &gt; Kalendar Hijrah memilih yang lain.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 tidak dapat direkodkan: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>Peringatan Zamanix</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>Ingatkan saya lagi dalam %1 minit</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>Selesai untuk hari ini</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>Peringatan Zamanix:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

Adakah anda mahu diingatkan lagi dalam %1 minit?</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2, setiap %3 minit</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>Tetapan kalendar Hijrah tidak dapat disimpan; Zamanix mengekalkan %1 hanya sehingga ia ditutup.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: tidak dapat merekodkan bila peringatan kali terakhir disemak: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>Peringatan untuk %1 tidak dapat disimpan: %2.

Tiada apa-apa ditulis. Betulkan hari atau taip nota, kemudian pilih Tambah sekali lagi.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>Peringatan untuk %1 tidak dapat disimpan. Apa yang anda taip masih ada dalam borang; tambahkannya semula apabila fail boleh ditulis.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Peringatan untuk %1 tidak dapat dipadam.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>Tetapan bunyi tidak dapat disimpan; penggera kekal berbunyi hanya sehingga Zamanix ditutup.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>Tetapan bunyi tidak dapat disimpan; penggera kekal senyap hanya sehingga Zamanix ditutup.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya mempunyai %3 hari</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 tidak wujud</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>Peringatan untuk %1 disimpan; ia berbunyi hanya pada tahun yang %2 mempunyai 30 hari</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>Peringatan untuk %1 disimpan; ia berbunyi hanya pada tahun lompat</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>Peringatan untuk %1 disimpan, setiap tahun</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>Peringatan %1 dipadam</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>Tiada peringatan %1 untuk dipadam</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Usage:
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDAR] DATE...
  zamanix-convert --today [--format text|iso] [CALENDAR]
  zamanix-convert --month YEAR-MONTH [--from-hijri] [CALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDAR] &lt; dates
where CALENDAR is [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FILE] [--use-settings].

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar: by default computed
from the instants of new moons, or kept by the Umm al-Qura or the tabular
(civil) rule.

DATE is YEAR-MONTH-DAY with the year as people write it: there is no year 0,
and -1-12-31 is the last day before 1-1-1. Years from -4000 to 3000 (of the
Christian calendar) are supported.

Options:
  --from-hijri        the dates given are Hijri dates (default: Christian)
  --format text       print both dates with the weekday (default), e.g.
                        Saturday 1 January 2000 = 24 Ramadhan 1420
  --format iso        print the converted date alone as YEAR-MM-DD, e.g.
                        1420-09-24
  --today             show today (local clock) in both calendars
  --month YEAR-MONTH  print the month as a grid like cal(1), each day as
                      day/day-in-the-other-calendar
  --batch             read one date per line from standard input and write
                      one line per input line (iso form unless --format text)
  --calendar RULE     the Hijri calendar: astronomical (default, from new
                      moons), umalqura (Umm al-Qura, Saudi Arabia's official
                      calendar) or civil (the tabular calendar)
  --adjust N          move the Hijri calendar N days, -2 to 2: with +1 each
                      day shows the Hijri date of the day after (default 0)
  --month-starts FILE the Hijri months begin as recorded in FILE, one line
                      a month, YEAR/MONTH=YYYY-MM-DD (the Hijri year and
                      month, then the Gregorian date of its first day),
                      e.g. 1448/9=2027-02-07, under a line [HijriMonthStarts]
                      or alone; the months around a record move as little
                      as keeps every month 29 or 30 days long
  --use-settings      take the calendar, adjustment and recorded month
                      starts of the Zamanix desktop program (its profile,
                      zamanix.INI) unless --calendar, --adjust or
                      --month-starts says otherwise
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a month that has 29
days under the chosen calendar, year 0, a year out of range) or text that is
not a date is reported as "zamanix-convert: &lt;what is wrong&gt;" on standard
error, nothing is converted and the exit status is 2. In --batch mode the
line "error: &lt;what is wrong&gt;" stands in place of that date, the other lines
are still converted, and the exit status is 1 at the end.

A --month-starts FILE that cannot be read, holds a line that is no record,
or a record that cannot be kept (its day more than 2 days from the rule's
start of the month, or a month of 28 or 31 days with the other records)
is reported as "zamanix-convert: FILE: line N: &lt;what is wrong&gt;" and ends
the run with status 2 before any date is printed. A record of the profile
that cannot be kept is left out, with a warning on standard error.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date,
or input or output that failed.
</source>
        <translation>Penggunaan:
  zamanix-convert [--from-hijri] [--format text|iso] [KALENDAR] TARIKH...
  zamanix-convert --today [--format text|iso] [KALENDAR]
  zamanix-convert --month TAHUN-BULAN [--from-hijri] [KALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [KALENDAR]
                  &lt; senarai-tarikh
dengan KALENDAR ialah [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FAIL] [--use-settings].

Menukar tarikh antara kalendar Masihi (Julian hingga 4 Oktober 1582,
Gregorian mulai 15 Oktober 1582) dan kalendar Hijrah: secara lalai dikira
daripada detik-detik bulan baharu, atau mengikut peraturan Umm al-Qura atau
peraturan tabular (sivil).

TARIKH ialah TAHUN-BULAN-HARI dengan tahun seperti yang biasa ditulis: tiada
tahun 0, dan -1-12-31 ialah hari terakhir sebelum 1-1-1. Tahun -4000 hingga
3000 (kalendar Masihi) disokong.

Pilihan:
  --from-hijri        tarikh yang diberikan ialah tarikh Hijrah (lalai:
                      Masihi)
  --format text       cetak kedua-dua tarikh dengan nama hari (lalai),
                      contohnya
                        Sabtu 1 Januari 2000 = 24 Ramadan 1420
  --format iso        cetak tarikh yang ditukar sahaja sebagai TAHUN-BB-HH,
                      contohnya
                        1420-09-24
  --today             papar hari ini (jam tempatan) dalam kedua-dua kalendar
  --month TAHUN-BULAN cetak bulan sebagai grid seperti cal(1), setiap hari
                      sebagai hari/hari-dalam-kalendar-lain
  --batch             baca satu tarikh sebaris daripada input standard dan
                      tulis satu baris bagi setiap baris input (bentuk iso
                      kecuali dengan --format text)
  --calendar PERATURAN
                      kalendar Hijrah: astronomical (lalai, daripada bulan
                      baharu), umalqura (Umm al-Qura, kalendar rasmi Arab
                      Saudi) atau civil (kalendar tabular)
  --adjust N          anjak kalendar Hijrah N hari, -2 hingga 2: dengan +1
                      setiap hari memaparkan tarikh Hijrah hari berikutnya
                      (lalai 0)
  --month-starts FAIL bulan-bulan Hijrah bermula seperti yang direkodkan
                      dalam FAIL, satu baris sebulan, TAHUN/BULAN=TTTT-BB-HH
                      (tahun dan bulan Hijrah, kemudian tarikh Gregorian hari
                      pertamanya), contohnya 1448/9=2027-02-07, di bawah
                      baris [HijriMonthStarts] atau tanpanya; bulan di
                      sekitar sesuatu rekod dianjak sesedikit mungkin supaya
                      setiap bulan kekal 29 atau 30 hari
  --use-settings      ambil kalendar, pelarasan dan permulaan bulan yang
                      direkodkan oleh program desktop Zamanix (profilnya,
                      zamanix.INI) melainkan --calendar, --adjust atau
                      --month-starts menyatakan sebaliknya
  -h, --help          papar bantuan ini
  --version           papar versi

Ralat: tarikh yang tidak wujud (bulan di luar 1-12, 2023-02-29, hari-hari
yang digugurkan 1582-10-05 hingga 1582-10-14, hari Hijrah 30 bagi bulan yang
mempunyai 29 hari mengikut kalendar yang dipilih, tahun 0, tahun di luar
julat) atau teks yang bukan tarikh dilaporkan sebagai
"zamanix-convert: &lt;apa yang salah&gt;" pada ralat standard, tiada apa ditukar dan
status keluar ialah 2. Dalam mod --batch baris "error: &lt;apa yang salah&gt;"
menggantikan tarikh itu, baris lain tetap ditukar, dan status keluar ialah 1
pada akhirnya.

FAIL --month-starts yang tidak dapat dibaca, mengandungi baris yang bukan
rekod, atau rekod yang tidak dapat dikekalkan (harinya lebih daripada 2 hari
dari permulaan bulan mengikut peraturan, atau bulan 28 atau 31 hari bersama
rekod lain) dilaporkan sebagai
"zamanix-convert: FAIL: baris N: &lt;apa yang salah&gt;" dan menamatkan larian
dengan status 2 sebelum sebarang tarikh dicetak. Rekod profil yang tidak
dapat dikekalkan diketepikan, dengan amaran pada ralat standard.

Status keluar: 0 berjaya, 1 sesetengah baris --batch salah, 2 penggunaan atau
tarikh yang salah, atau input atau output yang gagal.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Cuba '%3 --help' untuk maklumat lanjut.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1 tidak boleh digabungkan dengan pilihan lain daripada --today, --month, --batch</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>format '%1' tidak diketahui; gunakan text atau iso</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>kalendar '%1' tidak diketahui; gunakan astronomical, umalqura atau civil</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts memerlukan nama fail</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>pelarasan '%1' bukan bilangan hari yang bulat dari -2 hingga 2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: amaran: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>tarikh tidak boleh diberikan bersama --today, --month atau --batch</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>tiada tarikh diberikan</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format tidak terpakai pada --month</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: kalendar %2 tidak dapat dikira: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>pilihan '%1' tidak diketahui</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>pilihan %1 tidak menerima nilai</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>pilihan %1 memerlukan nilai</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 bukan bilangan saat</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: tarikh daripada jam tidak dapat ditukar: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: tidak dapat membaca tarikh: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: tidak dapat menulis output</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>tiada tahun 0; tahun sebelum 1 ialah -1</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>tahun %1 di luar julat yang disokong, %2 hingga %3</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>bulan %1 tidak wujud; bulan bermula dari 1 hingga 12</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>tahun Hijrah %1 di luar julat yang disokong (tahun Masihi %2 hingga %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 bukan tarikh; tulis TAHUN-BULAN-HARI, contohnya 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 bukan bulan; tulis TAHUN-BULAN, contohnya 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>hari 0 tidak wujud; hari bermula pada 1</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>%1 Oktober 1582 tidak wujud; dalam kalendar Gregorian, 4 Oktober 1582 diikuti terus oleh 15 Oktober 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya mempunyai %3 hari</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (Hijrah) hanya mempunyai %3 hari</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%1, %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month of a year: %1 the month's name, %2 the year ("Ramadhan 1447").</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Zamanix Version 1.1</source>
        <translation>Zamanix Versi 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>Kalendar Hijrah dan Masihi dengan peringatan.
Oleh pembangun Zamanix.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>Perihal Zamanix</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>Tarikh Hari Ini:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>Tarikh Hari Ini</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendar</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masihi</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Bulan:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Hari:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Tahun:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Corresponding Date:</source>
        <translation>Tarikh Sepadan:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>Tarikh Sepadan</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>Nota Peringatan:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>Nota Peringatan</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>Penggera:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>Jam penggera</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>Minit penggera</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>Setiap:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Ulang setiap (minit)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minit</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Tambah</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Li&amp;hat</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Lihat</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Pa&amp;dam</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Hari ini:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Tarikh:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>Tarikh sepadan:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>Kalendar Hijrah:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>Nota peringatan:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2; dokumen tidak boleh disimpan menggantikannya.
Simpan dokumen dengan nama lain.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 tidak kosong. Dokumen %2 tidak mengandungi data, jadi menyimpannya di sini akan mengosongkan kandungan fail itu.

Tetap gantikan kandungan %3?</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(Bukan fail biasa: paip, soket atau peranti tidak boleh memuatkan dokumen)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>tidak dapat membaca "%1": %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>tidak dapat menulis "%1": fail ini baca sahaja (mod %2); untuk menyimpan perubahan di dalamnya, jadikannya boleh ditulis (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>tidak dapat menulis "%1": fail ini baca sahaja (mod %2) bagi anda: ia milik pengguna lain</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>tidak dapat mencipta "%1": %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>tidak dapat menetapkan keizinan "%1": %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>tidak dapat menulis "%1": %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>tidak dapat mengosongkan penimbal "%1": %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>tidak dapat membaca "%1": ia bukan fail biasa</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>tidak dapat mencari folder bagi "%1": %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>tidak dapat mengikut pautan "%1": %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>tidak dapat mengikut pautan-pautan "%1": %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>tidak dapat mencipta folder "%1": %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>tidak dapat menggantikan "%1": %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>tidak dapat membuka fail penguncian "%1": %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>program lain telah memegang fail penguncian "%1" terlalu lama</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>tidak dapat mengunci "%1": %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>tidak dapat menulis "%1": ia ialah folder; namakan fail di dalamnya</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>tidak dapat menulis "%1": ia soket, bukan fail</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>tidak dapat menulis "%1": ia peranti, bukan fail</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>tidak dapat menulis "%1": program yang membacanya berhenti membaca</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>tidak dapat menulis "%1": ia paip yang tidak dibaca oleh mana-mana program; mulakan pembacanya dahulu</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>tidak dapat menulis "%1": %2; pilih fail lain</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>tiada fail profil dinamakan</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>ingatan tidak mencukupi untuk menulis "%1"</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>nama seksyen "%1" mengandungi "]" atau pemisah baris</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>nama entri "%1" mengandungi "=" atau pemisah baris, atau bermula dengan ";" atau "["</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>ia ialah profil, yang menyimpan peringatan dan tetapan</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>ia ialah fail penguncian profil "%1", yang menyimpan peringatan dan tetapan</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>ia ialah fail perantara untuk menggantikan profil "%1", yang menyimpan peringatan dan tetapan</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>ia ialah sandaran profil "%1", yang menyimpan peringatan dan tetapan</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>tiada fail profil: nama fail program "%1" tidak memberinya nama</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 tidak ditetapkan</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>%1 ialah "%2"</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>tiada folder untuk fail profil %1.INI: ia disimpan dalam $XDG_CONFIG_HOME atau, jika tiada, dalam $HOME/.config, tetapi %2 dan %3. Tetapkan HOME (atau XDG_CONFIG_HOME) kepada folder mutlak, seperti folder rumah anda, dan mulakan semula program</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>tidak dapat membaca "%1": ingatan tidak mencukupi untuk memuatkannya</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" bukan sandaran peringatan: ia tidak mengandungi sebarang seksyen profil ([Reminder], [Alarm], [Defaults]); pilih fail yang ditulis oleh Sandar Peringatan</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>belum ada apa-apa untuk disandarkan: profil "%1" tidak wujud, kerana belum ada peringatan atau tetapan yang disimpan</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>tidak dapat memulihkan daripada "%1": %2; pilih sandaran yang ditulis oleh Sandar Peringatan</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" bukan sandaran peringatan: ia mengandungi bait yang bukan teks</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>tidak dapat memulihkan "%1": %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>tidak dapat membuang "%1": %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>Astronomi</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>Tabular (sivil)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1, 1 %2 direkodkan</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1, 1 %2 dianjakkan oleh 1 %3 yang direkodkan</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1, %2 hari</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1, %n permulaan bulan direkodkan</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU tiada kalendar %1</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU tidak dapat menukar tarikh: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>Awal Muharam</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Hari Asyura</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>Israk dan Mikraj</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>Nisfu Syaaban</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>Awal Ramadan</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>Lailatulqadar (salah satu malam ganjil)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Hari Raya Aidilfitri</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Hari Arafah</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Hari Raya Aidiladha</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[Selebihnya tidak dipaparkan: teks terlalu panjang untuk dipaparkan sepenuhnya.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>Teks ini terlalu panjang untuk disunting di sini; ia dipaparkan sebahagian dan dikekalkan tanpa perubahan.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Baharu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>B&amp;uka...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Simpan	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Simpan S&amp;ebagai...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Cetak...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Pra&amp;tonton Cetakan</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>Cetak Bula&amp;n...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Persediaan Cetakan...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>Eksport Per&amp;ingatan...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fail Terkini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>Buat &amp;Asal	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>P&amp;otong	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Salin	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Tampa&amp;l	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Tambah</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Pa&amp;dam</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Bar Alat</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Bar &amp;Status</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>Semua &amp;Peringatan	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>B&amp;ulan	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;Astronomi</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;Umm al-Qura</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;Tabular (sivil)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 hari</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 hari</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>T&amp;iada</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;hari</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 hari</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>Penggera Berbunyi</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>&amp;Hari Kebesaran Islam</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Mula semasa Log &amp;Masuk</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>&amp;Kalendar Hijrah</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>Pela&amp;rasan Tarikh Hijrah</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>&amp;Perihal Zamanix...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fail</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Sunting</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Lihat</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Pilihan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>S&amp;andar Peringatan...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>Pu&amp;lihkan Peringatan...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>Terbitkan ke Pela&amp;yan Kalendar</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;Pelayan Kalendar...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;Manual	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Pintasan Papan &amp;Kekunci</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>Permulaan &amp;Bulan Hijrah...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>Tanya tentang Anak Bula&amp;n</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>Digit &amp;Barat</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 bukan bulan Hijrah; tulis TAHUN/BULAN, contohnya 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>tiada tahun Hijrah 0</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>bulan Hijrah %1 tidak wujud; bulan bermula dari 1 hingga 12</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 bukan tarikh; tulis TTTT-BB-HH, contohnya 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: tiada bulan %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: %2 %3 tiada hari %4</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: permulaan bulan direkodkan mengikut tarikh Gregoriannya, dan kalendar Gregorian bermula pada 15 Oktober 1582</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: tahun terakhir yang disokong ialah %2</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 direkodkan dua kali; rekod pertama, %2, yang diguna pakai</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n hari</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 atau %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 would have %6, and a month has 29 or 30</source>
        <translation>%1 tidak boleh bermula pada %2: dengan %3 direkodkan bermula pada %4, %5 akan mempunyai %6, sedangkan sebulan mempunyai 29 atau 30 hari</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1 tidak boleh bermula pada %2: dengan %3 direkodkan bermula pada %4, %5 bulan dari %6 hingga %7 akan mempunyai %8, sedangkan %9 bulan mempunyai %10 hingga %11 hari</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1 tidak boleh bermula pada %2: mengikut %3, hari itu ialah %4</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 tidak boleh bermula pada %2: itu %3 selepas hari pertamanya mengikut %4, %5, sedangkan permulaan yang direkodkan terletak paling jauh %6 hari daripadanya</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 tidak boleh bermula pada %2: itu %3 sebelum hari pertamanya mengikut %4, %5, sedangkan permulaan yang direkodkan terletak paling jauh %6 hari daripadanya</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>Tiada hari dalam %1 yang sesuai dengan rekod di sekitarnya; untuk memulakannya pada %2, rekodkan semula %3 dahulu, bermula pada %4</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>Dengan rekod yang ada, %1 boleh bermula pada %2; untuk memulakannya pada %3, rekodkan semula %4 dahulu, bermula pada %5</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>Tiada hari dalam %1 yang sesuai dengan rekod di sekitarnya</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>Dengan rekod yang ada, %1 boleh bermula pada %2</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>[%1] %2=%3 diabaikan: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>baris %1: %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>%1 diberi hari lain pada baris %2</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>tiada permulaan bulan di dalamnya; tulis satu sebaris sebagai TAHUN/BULAN=TTTT-BB-HH di bawah [HijriMonthStarts], contohnya 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>"%1" bukan rekod; tulis TAHUN/BULAN=TTTT-BB-HH, contohnya 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: malam sebelum %2, dari matahari terbenam pada %3</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>dari matahari terbenam, malam %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2; tiada apa dicetak ke fail itu.
Cetak ke fail lain.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>Modul pencetakan %1 tidak dapat dimuatkan (%2); tiada apa dicetak.
Memasang semula Zamanix membetulkannya.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Usage:
  zamanix [FILE]
  zamanix --minimized
  zamanix -p FILE
  zamanix -pt FILE PRINTER
  zamanix --help | --version

Converts dates between the Hijri and the Christian calendar, shows today in
both, and keeps a reminder memo with an alarm for any day of either calendar.

Options:
  FILE              open FILE as the document; nothing is read from it
  --minimized       start with the window minimized, as at login; when
                    Zamanix runs already, do nothing
  -p FILE           open FILE, print the form on the default printer, exit
  -pt FILE PRINTER  the same on PRINTER
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's standard options, such as -platform NAME and -style NAME, are accepted.

Zamanix runs once per desktop session: while it runs, a start without -p or
-pt shows its window (and opens FILE there) and ends.

Reminders and settings are kept in $XDG_CONFIG_HOME/zamanix.INI (by default
~/.config/zamanix.INI). See zamanix(1).
</source>
        <translation>Penggunaan:
  zamanix [FAIL]
  zamanix --minimized
  zamanix -p FAIL
  zamanix -pt FAIL PENCETAK
  zamanix --help | --version

Menukar tarikh antara kalendar Hijrah dan Masihi, memaparkan hari ini dalam
kedua-duanya, dan menyimpan nota peringatan dengan penggera untuk mana-mana
hari dalam kedua-dua kalendar.

Pilihan:
  FAIL              buka FAIL sebagai dokumen; tiada apa dibaca daripadanya
  --minimized       mula dengan tetingkap diminimumkan, seperti semasa log
                    masuk; jika Zamanix sudah berjalan, tidak berbuat apa-apa
  -p FAIL           buka FAIL, cetak borang pada pencetak lalai, keluar
  -pt FAIL PENCETAK sama seperti di atas, pada PENCETAK
  -h, --help        papar bantuan ini dan keluar
  --version         papar versi dan keluar
Pilihan standard Qt, seperti -platform NAMA dan -style NAMA, diterima.

Zamanix berjalan sekali bagi setiap sesi desktop: semasa ia berjalan, permulaan
tanpa -p atau -pt memaparkan tetingkapnya (dan membuka FAIL di situ) lalu
tamat.

Peringatan dan tetapan disimpan dalam $XDG_CONFIG_HOME/zamanix.INI (secara
lalai ~/.config/zamanix.INI). Lihat zamanix(1).
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: tidak dapat menulis jawapan: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 bukan kalendar: berikan URL kalendar, atau kalendar yang belum wujud supaya ia dicipta</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>pelayan %1 meminta nama pengguna dan kata laluan (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>pelayan %1 menolak nama pengguna %2 atau kata laluannya (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>pelayan %1 menjawab %2 %3 kepada %4</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>sijil %1 tidak dapat disahkan: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 tidak menjawab dalam %2 saat</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>tidak dapat mencapai %1: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 ditambah, %2 diubah, %3 dibuang, %4 tidak berubah</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1, %2 diubah di tempat lain dan dikekalkan</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1, %2 dibiarkan seperti diubah oleh program lain</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>kalendar dicipta; %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" bukan URL kalendar: tulis https:// (atau http://), nama pelayan dan laluan kalendar, seperti https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>gelang kunci tidak menjawab dalam %1 saat</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>Menerbitkan peringatan: memeriksa kalendar...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>Menerbitkan peringatan: mencipta kalendar...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>Menerbitkan peringatan: membaca acara kalendar...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>Menerbitkan peringatan: %1 daripada %2 perubahan ditulis...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>Menerbitkan peringatan: menunggu gelang kunci memberikan kata laluan...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>Penerbitan gagal pada %1: %2. Zamanix akan mencuba lagi pada %3.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>Peringatan diterbitkan pada %1 ke kalendar baharu: %2 ditambah.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>Peringatan diterbitkan pada %1: %2 ditambah, %3 diubah, %4 dibuang, %5 tidak berubah.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>Acara yang dikekalkan seperti diubah oleh program lain: %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>Acara yang dibiarkan seperti ditulis oleh program lain sementara itu: %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix tidak dapat menerbitkan peringatan ke %1: %2.

Ia mencuba lagi dengan sendiri, dengan jeda yang lebih panjang setiap kali, dan bar status memaklumkan perkembangannya; Pilihan &gt; Pelayan Kalendar... mengubah tetapan pelayan.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>tiada kata laluan disimpan untuk "%1" di %2; berikannya dalam Pilihan &gt; Pelayan Kalendar...</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>modul penerbitan %1 tidak dapat dimuatkan (%2); memasang semula Zamanix membetulkannya</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>Sandaran Zamanix (*.INI *.ini);;Semua Fail (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>Sandar Peringatan</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>Peringatan tidak dapat disandarkan.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>Peringatan dan tetapan disandarkan ke %1 (peringatan: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>Pulihkan Peringatan</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>Gantikan peringatan dan tetapan anda dengan yang ada dalam sandaran %1?

Peringatan dalam sandaran: %2. Peringatan sekarang: %3.

Profil seperti sekarang disimpan dalam %4; memulihkan daripada fail itu mengembalikannya.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>Peringatan dipulihkan daripada %1 (peringatan sekarang: %2); profil yang lama disimpan dalam %3</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>Peringatan tidak dapat dipulihkan; ia kekal seperti asal.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>Eksport Peringatan</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>Fail iCalendar (*.ics);;Semua Fail (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>Peringatan tidak dapat dieksport.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>Tiada peringatan tiba dalam %1 tahun akan datang; %2 tidak mengandungi acara</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>1 acara bagi %1 tahun akan datang ditulis ke %2</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>%1 acara bagi %2 tahun akan datang ditulis ke %3</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>kalendar Hijrah astronomi mengikut anak bulan yang dikira, yang tidak diterangkan oleh mana-mana kalendar RSCALE</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>kalendar Hijrah dilaraskan (%1), yang tidak diterangkan oleh mana-mana kalendar RSCALE</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>kalendar Hijrah menyimpan permulaan bulan yang direkodkan (%1 pada %2), yang tidak diterangkan oleh mana-mana kalendar RSCALE</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 atau %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; adakah maksud anda %1?</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>; bulan Hijrah ialah %1, bulan Masihi January hingga December</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>kunci tiada "/" antara bulan dan hari</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>"%1" bukan bulan Hijrah mahupun Masihi</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>kunci tiada hari selepas "/"</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>"%1" bukan hari: tulis 1 hingga 31, atau 01 hingga 09</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 tidak pernah melebihi %2 hari</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>nota kosong, dan nota kosong tidak pernah berbunyi</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>masa penggeranya, %1, tidak pernah dicapai</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%1 tiada hari %2 dalam %3 tahun akan datang mengikut kalendar %4</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">Dalam %1 hari, %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>Esok, %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 bukan hari dalam minggu dan bukan bulan serta hari: tulis Friday, Hijri/13, Ramadhan/27 atau Ramadhan/27/1448</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 bukan bulan Hijrah mahupun Masihi</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 bukan hari: tulis 1 hingga 31, atau 01 hingga 09</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>bulan Hijrah tidak pernah lebih daripada 30 hari</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 bukan tahun: tulis seperti 1448, atau -5 untuk tahun sebelum 1</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>tahun %1 di luar tahun yang disokong, -4000 hingga 3000</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya mempunyai %3 hari</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>%1 Oktober 1582 tidak pernah wujud: kalendar Gregory beralih dari 4 ke 15 Oktober 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%1 %2 hanya mempunyai %3 hari menurut kalendar %4</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 di luar hari yang disokong Zamanix, 1 Januari -4000 hingga 31 Disember 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>Seterusnya pada %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>Seterusnya pada %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: hari ini sudah berlalu, jadi ia tidak akan berbunyi</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>Ia tidak akan tiba: %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>Tulis nota: nota kosong tidak pernah berbunyi.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>Peringatan ini tidak dapat disimpan: %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>ia tidak jatuh pada mana-mana hari sebelum 31 Disember 3000, hari terakhir yang disokong Zamanix</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>hanya pada tahun lompat</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>hanya pada tahun yang %1 mempunyai 30 hari</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>pada 29 haribulan bagi bulan yang mempunyai 29 hari</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>pada hari terakhir bulan yang kurang daripada %1 hari</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1, %2 / %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>Dalam %n hari</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>rantai kunci tiada kata laluan untuk "%1" di %2; berikannya dengan --password-file FAIL (- membaca input standard)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>tiada rantai kunci menjawab untuk memberi kata laluan "%1" di %2 (%3); berikannya dengan --password-file FAIL (- membaca input standard)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>ia kosong</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>tidak dapat membaca kata laluan daripada input standard: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>tidak dapat membaca kata laluan daripada %1: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>tiada pelayan kalendar disediakan: berikan --url URL (dan --user NAMA), atau simpan dalam profil sebagai URL= dan User= di bawah [CalendarServer]</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>tidak dapat menerbitkan ke %1: %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>diterbitkan ke %1: %2</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY is a month name of either calendar, "/" and a day, as the form builds
it: Ramadhan/27, March/06, Rabi'ul Awwal/5. add and remove also take the
common spellings of the Hijri months (Ramadan, Dhul Hijjah, Rabi al-Awwal,
Jumada al-Ula, ...) and keep the month as the program spells it. A reminder
comes back every year of its calendar; a day 1 to 9 falls due written as 5
or as 05.

Commands:
  list                every reminder, by the day it falls due next; those
                      that never fall due (April/31, a misspelt month) last,
                      with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60); a reminder that exists
                      keeps the alarm not given; writes exactly what the
                      form's Add writes
  remove KEY          forgets the reminder and its alarm, as the form's
                      Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month or day is not valid, a profile that cannot be read
or written, bad options, no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation type="vanished">Penggunaan:
  zamanix-reminders [PILIHAN] list [--format text|tsv]
  zamanix-reminders [PILIHAN] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [PILIHAN] add KUNCI NOTA [--alarm JJ:MM] [--every MINIT]
  zamanix-reminders [PILIHAN] remove KUNCI
  zamanix-reminders [PILIHAN] export [--years N] [--from TARIKH] [-o FAIL]
  zamanix-reminders [PILIHAN] export --rscale [--from TARIKH] [-o FAIL]
  zamanix-reminders [PILIHAN] publish [--url URL] [--user NAMA]
                    [--password-file FAIL] [--years N]
dengan PILIHAN ialah [--profile FAIL]
[--calendar astronomical|umalqura|civil] [--adjust N].

Menyenaraikan, menambah dan membuang peringatan yang disimpan oleh program
desktop Zamanix, mengeksportnya sebagai fail iCalendar untuk program kalendar
lain, dan menerbitkannya ke kalendar CalDAV yang dipaparkan oleh telefon dan
program kalendar lain.

KUNCI ialah nama bulan daripada salah satu kalendar, "/" dan satu hari,
seperti yang dibina oleh borang: Ramadhan/27, March/06, Rabi'ul Awwal/5. add
dan remove juga menerima ejaan lazim bulan Hijrah (Ramadan, Dhul Hijjah,
Rabi al-Awwal, Jumada al-Ula, ...) dan menyimpan bulan mengikut ejaan
program. Peringatan berulang setiap tahun dalam kalendarnya; hari 1 hingga 9
tiba masanya sama ada ditulis 5 atau 05.

Arahan:
  list                semua peringatan, mengikut hari ia tiba masanya
                      berikutnya; yang tidak akan tiba masanya (April/31,
                      nama bulan yang salah eja) di akhir, bersama sebabnya
  upcoming            peringatan yang tiba masanya dari hari ini hingga N
                      hari dari hari ini (--days, lalai 30), satu baris bagi
                      setiap hari
  add KUNCI NOTA      simpan NOTA di bawah KUNCI, bersama penggeranya:
                      --alarm JJ:MM (lalai 08:00) dan --every MINIT, 0
                      hingga 720, sebelum mengingatkan lagi (lalai 60);
                      peringatan yang sedia ada mengekalkan bahagian
                      penggera yang tidak diberikan; menulis tepat seperti
                      butang Tambah pada borang
  remove KUNCI        lupakan peringatan dan penggeranya, seperti butang
                      Padam pada borang
  export              tulis setiap hari peringatan tiba masanya dalam N tahun
                      akan datang (--years, lalai 5, bermula --from TARIKH,
                      TAHUN-BULAN-HARI, lalai hari ini) sebagai acara
                      iCalendar pada masa penggera dalam zon waktu anda, ke
                      FAIL (-o; sasaran pautan, paip atau terminal ditulis
                      sebagai strim; tidak sekali-kali profil atau failnya)
                      atau ke output standard
                      dengan --rscale: satu acara bagi setiap peringatan yang
                      berulang setiap tahun kalendarnya (RFC 7529), untuk
                      program yang mengenali kalendar Hijrah ICU (Ummul Qura
                      dan berjadual, tanpa pelarasan atau permulaan bulan
                      yang direkodkan)
  publish             menjadikan kalendar CalDAV di URL (--url, lalai: yang
                      dalam profil) menyimpan acara yang ditulis oleh
                      export --years N (--years, lalai: yang dalam profil,
                      jika tiada 2): hanya menulis yang berubah, dan tidak
                      sekali-kali menyentuh objek program lain. Kata laluan
                      ialah baris pertama --password-file FAIL (- membaca input
                      standard), jika tidak kata laluan dalam rantai kunci.
                      Status keluar 1 apabila pelayan atau rangkaian gagal

Pilihan:
  --profile FAIL      profil yang digunakan (lalai: milik program desktop,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar PERATURAN
                      kalendar Hijrah: astronomical, umalqura atau civil
                      (lalai: yang dipilih dalam program desktop)
  --adjust N          anjak kalendar Hijrah N hari, -2 hingga 2 (lalai:
                      seperti yang dipilih dalam program desktop)
  --format text|tsv   lajur sejajar (lalai), atau nilai dipisahkan tab dengan
                      baris pengepala
  -h, --help          papar bantuan ini
  --version           papar versi
NOTA yang bermula dengan "-" ditulis selepas "--".

Kalendar Hijrah mengikut permulaan bulan yang direkodkan dalam profil
(seksyen [HijriMonthStarts], "1448/9=2027-02-07"); rekod yang tidak dapat
dikekalkan diketepikan, dengan amaran pada ralat standard.

Ralat (kunci dengan bulan atau hari yang tidak sah, profil yang tidak dapat
dibaca atau ditulis, pilihan yang salah, tiada kata laluan untuk menerbitkan)
dilaporkan sebagai "zamanix-reminders: &lt;apa yang salah&gt;" pada ralat standard
dengan status keluar 2, dan tiada apa-apa ditulis.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 bukan bilangan saat</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>kalendar %1 tidak dapat dikira: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: amaran: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>tidak dapat menambah %1: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>nota kosong; nota kosong tidak pernah berbunyi (gunakan remove untuk memadam peringatan)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>tiada peringatan %1 dalam %2</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years tidak terpakai pada export --rscale: acaranya berulang tanpa henti</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>tidak dapat mengeksport acara berulang: %1; export tanpa --rscale sebaliknya menyenaraikan setiap hari peringatan tiba</translation>
    </message>
    <message>
        <source>--from %1</source>
        <translation>--from %1</translation>
    </message>
    <message>
        <source>--from %1: %2</source>
        <translation>--from %1: %2</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Cuba '%3 --help' untuk maklumat lanjut.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>tidak dapat menulis output</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile memerlukan nama fail</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>kalendar %1 tidak diketahui; gunakan astronomical, umalqura atau civil</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>pelarasan %1 bukan bilangan hari yang bulat dari -2 hingga 2</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>format %1 tidak diketahui; gunakan text atau tsv</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days menerima bilangan hari dari 0 hingga 36525, bukan %1</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm menerima masa dari 00:00 hingga 23:59, bukan %1</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every menerima bilangan minit dari 0 hingga %1, bukan %2</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years menerima bilangan tahun dari 1 hingga 100, bukan %1</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file memerlukan nama fail, atau - untuk input standard</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>arahan %1 tidak diketahui; gunakan list, upcoming, add, remove, export atau publish</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>tiada arahan diberikan; gunakan list, upcoming, add, remove, export atau publish</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 tidak menerima argumen</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 menerima satu KUNCI</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 menerima KUNCI dan NOTA</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>pilihan %1 tidak terpakai pada arahan ini</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>pilihan %1 tidak diketahui</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>pilihan %1 tidak menerima nilai</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>pilihan %1 memerlukan nilai</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 jatuh pada %2, yang sudah berlalu: peringatan disimpan, tetapi ia tidak akan berbunyi</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2; peringatan disimpan, dan hanya berbunyi jika bulan itu mendapat hari ke-30</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
                    [--notice DAYS]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY says when a reminder falls due:
  Ramadhan/27, March/06      every year, on a month and day of either
                             calendar, as the form builds it
  Ramadhan/27/1448,          once, on a date of either calendar
  March/06/2027
  Hijri/13, Christian/01     every month of that calendar, on a day; a month
                             without the day has it on its last day
  Friday                     every week, on the weekday (in English)
add and remove also take the common spellings of the Hijri months
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) and keep the month
as the program spells it. A day 1 to 9 falls due written as 5 or as 05.

Commands:
  list                every reminder and its kind, by the day it falls due
                      next; once reminders whose day has gone by after
                      them, those that never fall due (April/31, a misspelt
                      month) last, with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60), and --notice DAYS, 0 to
                      30, to be reminded that many days before each day it
                      falls due too (0: no notice); a reminder that exists
                      keeps what is not given; for a yearly KEY writes
                      exactly what the form's Add writes
  remove KEY          forgets the reminder, its alarm and its notice, as the
                      form's Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month, day, year or weekday is not valid, a date outside
the supported years, a profile that cannot be read or written, bad options,
no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation>Penggunaan:
  zamanix-reminders [PILIHAN] list [--format text|tsv]
  zamanix-reminders [PILIHAN] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [PILIHAN] add KUNCI NOTA [--alarm JJ:MM] [--every MINIT]
                    [--notice HARI]
  zamanix-reminders [PILIHAN] remove KUNCI
  zamanix-reminders [PILIHAN] export [--years N] [--from TARIKH] [-o FAIL]
  zamanix-reminders [PILIHAN] export --rscale [--from TARIKH] [-o FAIL]
  zamanix-reminders [PILIHAN] publish [--url URL] [--user NAMA]
                    [--password-file FAIL] [--years N]
dengan PILIHAN ialah [--profile FAIL]
[--calendar astronomical|umalqura|civil] [--adjust N].

Menyenaraikan, menambah dan membuang peringatan yang disimpan oleh program
desktop Zamanix, mengeksportnya sebagai fail iCalendar untuk program kalendar
lain, dan menerbitkannya ke kalendar CalDAV yang dipaparkan oleh telefon dan
program kalendar lain.

KUNCI menyatakan bila peringatan tiba masanya:
  Ramadhan/27, March/06      setiap tahun, pada bulan dan hari mana-mana
                             kalendar, seperti borang membinanya
  Ramadhan/27/1448,          sekali, pada tarikh mana-mana kalendar
  March/06/2027
  Hijri/13, Christian/01     setiap bulan kalendar itu, pada satu hari; bulan
                             tanpa hari itu mendapatnya pada hari terakhir
  Friday                     setiap minggu, pada hari itu (dalam bahasa
                             Inggeris)
add dan remove juga menerima ejaan lazim bulan Hijrah (Ramadan, Dhul Hijjah,
Rabi al-Awwal, Jumada al-Ula, ...) dan menyimpan bulan seperti ejaan program.
Hari 1 hingga 9 tiba masanya sama ada ditulis 5 atau 05.

Arahan:
  list                semua peringatan dan jenisnya, mengikut hari ia tiba
                      masanya; kemudian peringatan sekali yang harinya telah
                      berlalu; yang tidak pernah tiba (April/31, bulan yang
                      salah eja) di akhir, dengan sebabnya
  upcoming            peringatan yang tiba masanya dari hari ini hingga N
                      hari dari hari ini (--days, lalai 30), satu baris bagi
                      setiap hari
  add KUNCI NOTA      simpan NOTA di bawah KUNCI, bersama penggeranya:
                      --alarm JJ:MM (lalai 08:00) dan --every MINIT, 0 hingga
                      720, sehingga ia mengingatkan lagi (lalai 60), dan
                      --notice HARI, 0 hingga 30, untuk diingatkan sekian hari
                      sebelum setiap hari ia tiba juga (0: tiada notis);
                      peringatan yang sedia ada mengekalkan yang tidak diberi;
                      untuk KUNCI tahunan menulis tepat apa yang ditulis oleh
                      butang Tambah borang
  remove KUNCI        lupakan peringatan, penggera dan notisnya, seperti butang
                      Padam borang
  export              tulis setiap hari peringatan tiba masanya dalam N tahun
                      akan datang (--years, lalai 5, bermula --from TARIKH,
                      TAHUN-BULAN-HARI, lalai hari ini) sebagai acara
                      iCalendar pada masa penggera dalam zon waktu anda, ke
                      FAIL (-o; sasaran pautan, paip atau terminal ditulis
                      sebagai strim; tidak sekali-kali profil atau failnya)
                      atau ke output standard
                      dengan --rscale: satu acara bagi setiap peringatan yang
                      berulang setiap tahun kalendarnya (RFC 7529), untuk
                      program yang mengenali kalendar Hijrah ICU (Ummul Qura
                      dan berjadual, tanpa pelarasan atau permulaan bulan
                      yang direkodkan)
  publish             menjadikan kalendar CalDAV di URL (--url, lalai: yang
                      dalam profil) menyimpan acara yang ditulis oleh
                      export --years N (--years, lalai: yang dalam profil,
                      jika tiada 2): hanya menulis yang berubah, dan tidak
                      sekali-kali menyentuh objek program lain. Kata laluan
                      ialah baris pertama --password-file FAIL (- membaca input
                      standard), jika tidak kata laluan dalam rantai kunci.
                      Status keluar 1 apabila pelayan atau rangkaian gagal

Pilihan:
  --profile FAIL      profil yang digunakan (lalai: milik program desktop,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar PERATURAN
                      kalendar Hijrah: astronomical, umalqura atau civil
                      (lalai: yang dipilih dalam program desktop)
  --adjust N          anjak kalendar Hijrah N hari, -2 hingga 2 (lalai:
                      seperti yang dipilih dalam program desktop)
  --format text|tsv   lajur sejajar (lalai), atau nilai dipisahkan tab dengan
                      baris pengepala
  -h, --help          papar bantuan ini
  --version           papar versi
NOTA yang bermula dengan "-" ditulis selepas "--".

Kalendar Hijrah mengikut permulaan bulan yang direkodkan dalam profil
(seksyen [HijriMonthStarts], "1448/9=2027-02-07"); rekod yang tidak dapat
dikekalkan diketepikan, dengan amaran pada ralat standard.

Ralat (kunci dengan bulan, hari, tahun atau hari minggu yang tidak sah, tarikh
di luar tahun yang disokong, profil yang tidak dapat dibaca atau ditulis,
pilihan yang salah, tiada kata laluan untuk menerbitkan) dilaporkan sebagai
"zamanix-reminders: &lt;apa yang salah&gt;" pada ralat standard dengan status
keluar 2, dan tiada apa-apa ditulis.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice menerima bilangan hari dari 0 hingga %1, bukan %2</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: bas sesi di %2 tidak menjawab dalam masa %3 saat; meneruskan tanpanya, sebagai salinan tersendiri, tanpa pemberitahuan desktop</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Tetingkap utama</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+huruf bergaris bawah</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>membuka menu, atau menekan butang borang</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>Lihat: memaparkan tarikh yang dipilih dalam kalendar lain bersama notanya</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>Tambah, Lihat, Padam</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>meletakkan teks papan keratan ke dalam nota, sebagai satu baris</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>Baharu, Buka, Simpan</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>mencetak borang</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>membuka Semua Peringatan</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>memaparkan atau menyembunyikan panel bulan</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>beralih antara borang dan panel bulan</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>membuka manual</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>Panel bulan</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Kekunci anak panah</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>hari sebelum atau selepas, atau hari yang sama seminggu jauhnya</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>bulan sebelum atau selepas</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>tahun sebelum atau selepas</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>memaparkan hari dalam borang</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>Semua Peringatan</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>dari penapis ke senarai</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>membuka peringatan dalam borang</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Padam</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>memadam peringatan, selepas bertanya</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>menutup tetingkap</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Peringatan Terlepas</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>Gesaan peringatan</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>mengingatkan anda lagi selepas selang masa</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>tiada lagi peringatan hari ini</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>bukan sekarang: mengingatkan anda lagi selepas selang masa</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>Peringatan Zamanix</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zamanix

Zamani


Zamanix.Document
Zamani Document</source>
        <translation>Zamanix

Zamani


Zamanix.Document
Dokumen Zamani</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>Tambah nota kepada peringatan pada tarikh yang ditentukan</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>Padam peringatan daripada senarai.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>Mainkan fail audio Reminder.wav semasa penggera</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>Kira bulan Hijrah daripada anak bulan (lalai)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>Ikut kalendar Umm al-Qura Arab Saudi</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>Ikut kalendar Islam tabular (sivil)</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>Mulakan setiap bulan Hijrah dua hari kemudian</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>Mulakan setiap bulan Hijrah sehari kemudian</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>Kekalkan bulan Hijrah seperti yang diberikan kalendar</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>Mulakan setiap bulan Hijrah sehari lebih awal</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>Mulakan setiap bulan Hijrah dua hari lebih awal</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>Senaraikan semua peringatan mengikut hari ia tiba masanya berikutnya
Semua Peringatan</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>Simpan peringatan lima tahun akan datang sebagai fail iCalendar untuk program kalendar lain
Eksport Peringatan</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>Mulakan Zamanix, dalam keadaan diminimumkan, setiap kali anda log masuk ke desktop
Mula semasa Log Masuk</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>Cetak bulan yang dipaparkan dalam panel bulan pada satu halaman
Cetak Bulan</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>Tunjukkan atau sembunyikan paparan sebulan di sebelah borang
Bulan</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>Tandakan hari kebesaran Islam dalam panel bulan
Hari Kebesaran Islam</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Sedia</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Cipta dokumen baharu
Baharu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Buka dokumen sedia ada
Buka</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Tutup dokumen aktif
Tutup</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Simpan dokumen aktif
Simpan</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Simpan dokumen aktif dengan nama baharu
Simpan Sebagai</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Ubah pilihan pencetakan
Persediaan Halaman</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ubah pencetak dan pilihan pencetakan
Persediaan Cetakan</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Cetak dokumen aktif
Cetak</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Paparkan halaman penuh
Pratonton Cetakan</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Buka dokumen ini</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>Padam pilihan
Padam</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>Padam semuanya
Padam Semua</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Salin pilihan dan letakkannya pada papan keratan
Salin</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Potong pilihan dan letakkannya pada papan keratan
Potong</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>Cari teks yang ditentukan
Cari</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Sisipkan kandungan papan keratan
Tampal</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>Ulang tindakan terakhir
Ulang</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>Gantikan teks tertentu dengan teks lain
Ganti</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Pilih seluruh dokumen
Pilih Semua</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Buat asal tindakan terakhir
Buat Asal</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Buat semula tindakan yang telah dibuat asal
Buat Semula</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Pisahkan tetingkap aktif kepada beberapa anak tetingkap
Pisah</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Paparkan maklumat program, nombor versi dan hak cipta
Perihal</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Keluar daripada aplikasi; meminta untuk menyimpan dokumen
Keluar</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Beralih ke anak tetingkap seterusnya
Anak Tetingkap Seterusnya</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Kembali ke anak tetingkap sebelumnya
Anak Tetingkap Sebelumnya</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Tunjukkan atau sembunyikan bar alat
Bar Alat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Tunjukkan atau sembunyikan bar status
Bar Status</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Tutup mod pratonton cetakan
Tutup Pratonton</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>LNJ</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>TND</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>RKM</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>Ubah saiz tetingkap</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>Ubah kedudukan tetingkap</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>Kecilkan tetingkap menjadi ikon</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>Besarkan tetingkap ke saiz penuh</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>Beralih ke tetingkap dokumen seterusnya</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>Beralih ke tetingkap dokumen sebelumnya</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>Tutup tetingkap aktif dan minta untuk menyimpan dokumen</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>Pulihkan tetingkap ke saiz biasa</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>Aktifkan senarai tugas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Semua Fail (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Tanpa Tajuk</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>fail tanpa nama</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Sembunyikan</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>Tiada mesej ralat tersedia.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>Operasi yang tidak disokong telah dicuba.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>Sumber yang diperlukan tidak tersedia.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Kehabisan ingatan.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>Ralat yang tidak diketahui telah berlaku.</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>pada %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Satu Halaman</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Dua Halaman</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>Halaman %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>Halaman %u
Halaman %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Cetak ke Fail</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>ke %1</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>Nama fail tidak sah.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Gagal membuka dokumen.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Gagal menyimpan dokumen.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Simpan perubahan pada %1?</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Gagal mencipta dokumen kosong.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Fail terlalu besar untuk dibuka.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Tidak dapat memulakan kerja cetakan.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Gagal melancarkan bantuan.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Ralat dalaman aplikasi.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>Arahan gagal.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>Ingatan tidak mencukupi untuk melaksanakan operasi.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Entri pendaftaran sistem telah dibuang dan fail INI (jika ada) telah dipadam.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Tidak semua entri pendaftaran sistem (atau fail INI) dapat dibuang.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Sila masukkan integer.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Sila masukkan nombor.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Sila masukkan integer antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Sila masukkan nombor antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Sila masukkan tidak lebih daripada %1 aksara.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Sila pilih satu butang.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Sila masukkan integer antara 0 dan 255.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Sila masukkan integer positif.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Sila masukkan tarikh dan/atau masa.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>Sila masukkan nilai mata wang.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format fail tidak dijangka.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fail ini tidak dapat ditemui.
Sila pastikan laluan dan nama fail yang diberikan betul.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>Pemacu cakera destinasi penuh.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>Tidak dapat membaca %1, fail sedang dibuka oleh orang lain.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>Tidak dapat menulis ke %1, fail ini baca sahaja atau sedang dibuka oleh orang lain.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Ralat yang tidak dijangka berlaku semasa membaca %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Ralat yang tidak dijangka berlaku semasa menulis %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Tiada ralat berlaku.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Percubaan telah dibuat untuk mencapai %1 melepasi penghujungnya.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 mengandungi skema yang salah.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>piksel</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>Simpan salinan setiap peringatan dan tetapan dalam fail pilihan anda
Sandar Peringatan</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>Gantikan peringatan dan tetapan dengan yang ada dalam sandaran
Pulihkan Peringatan</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>Senaraikan kekunci yang berfungsi dalam tetingkap Zamanix
Pintasan Papan Kekunci</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>Buka manual Zamanix
Manual</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>Simpan kalendar berisi peringatan anda pada pelayan CalDAV, untuk telefon dan program kalendar lain
Pelayan Kalendar</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>Terbitkan peringatan ke pelayan kalendar sekarang
Terbitkan Sekarang</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>Senarai, buang dan import hari bermulanya bulan Hijrah komuniti anda
Permulaan Bulan Hijrah</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>Pada 29 setiap bulan Hijrah, tanya pada waktu petang sama ada anak bulan kelihatan
Tanya tentang Anak Bulan</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>Tulis nombor dengan digit 0 hingga 9 dan bukan digit bahasa anda
Digit Barat</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Bar Alat</translation>
    </message>
</context>
</TS>
