<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>Semua Pengingat - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>Saring menurut catatan atau kunci</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>Saring pengingat</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>Hanya menampilkan pengingat yang catatan atau kuncinya memuat teks ini</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>Semua pengingat</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Enter membuka pengingat di formulir, Delete menghapusnya, Escape menutup jendela</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n pengingat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%1 dari %n pengingat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1; %n tidak pernah jatuh tempo</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>Formulir tidak dapat menampilkan %1: %2.

Hapus di sini, atau perbaiki kuncinya di profil.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>Hapus pengingat %1?

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Pengingat untuk %1 tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>Formulir tidak dapat menampilkan hari untuk %1, yang tidak pernah jatuh tempo: %2.

Sunting di sini, atau hapus.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>Pengingat &amp;Baru...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>Menambahkan pengingat: setiap tahun, sekali, setiap bulan, atau setiap minggu</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Sunting...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>Mengubah pengingat yang dipilih</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Buka di Formulir</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>Menampilkan hari pengingat yang dipilih di formulir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>Menghapus pengingat yang dipilih, setelah bertanya</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;kspor...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>Menyimpan pengingat lima tahun ke depan sebagai berkas iCalendar</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>Belum ada pengingat. Pilih Pengingat Baru... untuk menambahkan jenis apa pun, atau di jendela utama pilih tanggal, ketik catatan, lalu pilih Tambah.</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Enter membuka pengingat tahunan di formulir dan menyunting yang lain, Delete menghapus satu, tombol Menu menampilkan tindakan lain, Escape menutup jendela</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 tidak pernah jatuh tempo: %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 jatuh pada %2, yang sudah lewat; tidak akan berbunyi lagi.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 jatuh tempo %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>Pengingat untuk %1 sudah ada:

%2

Ganti dengan yang ini?</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>Pengingat untuk %1 tidak dapat disimpan.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>Server Kalender - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix menyimpan kalender di server CalDAV yang memuat setiap hari saat pengingat jatuh tempo, untuk ponsel dan program kalender lain Anda. Kalender yang belum ada akan dibuat; tanpa URL tidak ada yang diterbitkan.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>URL kalender</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>Alamat kalender di server, misalnya https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>Melalui http:// kata sandi dikirim tanpa enkripsi: gunakan https://, kecuali server berjalan di komputer ini.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>Nama pengguna Anda di server kalender</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>Kata sandi Anda di server kalender</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>Tahun ke depan</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>Berapa tahun pengingat, mulai hari ini, yang dimuat kalender</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>URL &amp;kalender:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nama &amp;pengguna:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Kat&amp;a sandi:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>&amp;Tahun ke depan:</translation>
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
        <translation>Kata sandi disimpan di keyring desktop Anda, tidak pernah di berkas Zamanix.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>Tidak ada kata sandi yang disimpan untuk pengguna ini di kalender ini: berikan di sini.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Tidak ada keyring yang menerima kata sandi, jadi disimpan untuk sesi ini saja: berikan lagi di sini setelah Zamanix dijalankan ulang.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>Kata sandi disimpan di keyring desktop Anda.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Tidak ada keyring yang menjawab (%1), jadi kata sandi disimpan untuk sesi ini saja: berikan lagi di sini setelah Zamanix dijalankan ulang.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>Pengaturan server kalender tidak disimpan: %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>Pengaturan server kalender tidak dapat ditulis ke profil; Zamanix menerbitkan dengan pengaturan itu sampai ditutup.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>Menyerahkan kata sandi ke keyring...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>Berikan URL kalender terlebih dahulu: Zamanix menerbitkan pengingat di sana.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>Simpan perubahan pada pengaturan server kalender?</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>Terbitkan Sekarang langsung menerbitkan pengingat; Zamanix juga menerbitkannya sendiri setelah setiap perubahan.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>Penerbitan nonaktif: berikan URL kalender tujuan penerbitan.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>Apakah hilal %1 sudah terlihat?</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>Hari ini 29 %1; jawaban Anda mencatat hari %2 dimulai.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>Ya: %1 dimulai besok</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>Tidak: %1 berjumlah 30 hari</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Belum</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: Hilal</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Awal %1 tidak dapat dicatat.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Pengaturan menanyakan hilal tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Pilihan angka tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tanggal Hijriah</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Catatan</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>Pengingat Terlewat - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Pengingat Terlewat</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>Pengingat ini jatuh tempo saat Zamanix tidak berjalan atau komputer sedang tidur.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Pengingat terlewat</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Enter membuka pengingat di formulir, Escape menutup jendela</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Buka di Formulir</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>Menampilkan pengingat yang dipilih di formulir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n pengingat terlewat</numerusform>
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
        <translation>Status tampil panel bulan tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Status penandaan hari besar tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>Letak sisi panel bulan tidak dapat disimpan.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>Minggu ke-%1</translation>
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
        <translation>Bulan berikutnya</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Tahun berikutnya</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>Tombol panah memindah hari, Page Up dan Page Down memindah bulan, bersama Ctrl memindah tahun; Home menuju hari ini; Enter menampilkan hari di formulir</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>Hari besar: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>dan %1 lagi</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>Hari besar</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>Fase Bulan (waktu setempat)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Pengingat</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>pengingat: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>pengingat: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>Pengingat: %1 (alarm pukul %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Pengingat: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>bulan baru pukul %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>kuartal pertama pukul %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>bulan purnama pukul %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>kuartal terakhir pukul %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>Dimulai Pada...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>Bulan Ini Dimulai Pada...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>Hapus Catatan</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Awal %1 tidak dapat dicatat.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>Awal %1 yang tercatat tidak dapat dihapus.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>Kapan %1 Dimulai - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>Hari-hari yang mungkin menjadi awalnya</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Catat</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>&amp;Hapus Catatan</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>%1 tidak dapat dicatat dimulai pada hari mana pun sekarang: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 dimulai pada %2, sesuai catatan; %3 memulainya pada %4. Pilih hari yang diumumkan komunitas Anda.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 dimulai pada %2, bergeser oleh catatan bulan-bulan di sekitarnya; %3 memulainya pada %4. Pilih hari yang diumumkan komunitas Anda.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%1 dimulai pada %2 menurut %3. Pilih hari yang diumumkan komunitas Anda.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1, kini %2 (awal menurut aturan, tercatat)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1, kini %2 (awal menurut aturan)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1, kini %2 (tercatat)</translation>
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
        <translation>1 hari lebih lambat</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 hari lebih awal</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 hari lebih lambat</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Bulan Hijriah</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>Dimulai pada</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>Awal menurut aturan</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Selisih</translation>
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
        <translation>Awal Bulan Hijriah - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>Awal bulan yang tercatat</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Delete menghapus catatan yang dipilih; Escape menutup jendela</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Impor...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>Ganti catatan dengan catatan dari berkas, seperti yang diterbitkan masjid atau situs komunitas</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>Hilal</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>Tanyakan pada tanggal 29 setiap bulan Hijriah apakah sudah terlihat, pukul</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>Waktu pertanyaan tentang hilal</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Pengaturan menanyakan hilal tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Waktu pertanyaan tentang hilal tidak dapat disimpan; Zamanix melupakannya saat ditutup.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>Kalender Hijriah yang dipakai: %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>Tidak ada awal bulan yang tercatat; Bulan Ini Dimulai Pada... di panel bulan mencatatnya.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>Setiap catatan menyebutkan hari bulan Hijriah dimulai bagi komunitas Anda; catatan bertanda tidak dapat disimpan dan diabaikan.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>Hapus awal %1 yang tercatat, %2?</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>Hapus entri %1 dari profil?</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>Catatan %1 tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>Impor Awal Bulan Hijriah</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>Awal bulan (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>Mengimpor "%1" mengganti awal bulan yang tercatat sekarang, dan %2 di antaranya yang tidak ada di berkas akan dihapus. Impor?</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>Awal bulan dari "%1" tidak dapat diimpor.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ini bukan berkas</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>ukurannya melebihi daftar awal bulan</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>Tidak ada yang diimpor dari "%1": %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>Tidak ada yang diimpor dari "%1", karena baris berikut:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix hanya membuka berkas lokal</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix tidak memiliki aksi %1</translation>
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
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masehi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Senin</translation>
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
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> menit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
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
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>Jatuh tempo</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Waktu alarm</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Selang ulang dalam menit</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>Pemberitahuan: hari sebelum setiap hari jatuh tempo</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>Sunting Pengingat - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>Pengingat Baru - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Jenis:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;Kalender:</translation>
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
        <translation>Jatuh tempo:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>&amp;Catatan:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;Alarm pukul:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Ulangi setiap:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>Pembe&amp;ritahuan:</translation>
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
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kunci</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Selang</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Tanggal berikutnya</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tanggal Hijriah</translation>
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
        <translation>besok</translation>
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
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masehi</translation>
    </message>
    <message>
        <source>never</source>
        <translation>tidak pernah</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 mnt</translation>
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
        <translation>Pemberitahuan</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>lewat, kemarin</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>lewat, %n hari lalu</numerusform>
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
        <translation>Pintasan Papan Ketik - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Tempat</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tombol</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Fungsinya</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Pintasan papan ketik</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: salinan yang sedang berjalan tidak menjawab (%1); menjalankan salinan lain</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>Baik XDG_CONFIG_HOME maupun HOME tidak menunjukkan folder tempat desktop mencari program yang dijalankan saat masuk.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>Jalur program "%1" tidak dapat ditulis dalam entri desktop.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>Zamanix tidak dapat dihentikan agar tidak berjalan saat masuk:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>Zamanix tidak dapat diatur untuk berjalan saat masuk:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>Manual tidak dapat dibuka: tidak ada penampil bantuan (seperti Yelp) yang terpasang, dan tidak ada README.

Di terminal, "man zamanix" menampilkan manual.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix tidak dapat menghitung kalender %1: %2.

Zamanix melanjutkan dengan kalender %3; Opsi &gt; Kalender Hijriah memilih yang lain.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 tidak dapat dicatat: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>Pengingat Zamanix</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>Ingatkan lagi dalam %1 menit</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>Selesai untuk hari ini</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>Pengingat Zamanix:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

Ingin diingatkan lagi dalam %1 menit?</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2, setiap %3 menit</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>Pengaturan kalender Hijriah tidak dapat disimpan; Zamanix memakai %1 hanya sampai ditutup.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: tidak dapat mencatat kapan pengingat terakhir diperiksa: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>Pengingat untuk %1 tidak dapat disimpan: %2.

Tidak ada yang ditulis. Perbaiki hari atau ketik catatan, lalu pilih Tambah lagi.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>Pengingat untuk %1 tidak dapat disimpan. Yang Anda ketik masih ada di formulir; tambahkan lagi setelah berkas dapat ditulis.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Pengingat untuk %1 tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>Pengaturan suara tidak dapat disimpan; alarm tetap bersuara hanya sampai Zamanix ditutup.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>Pengaturan suara tidak dapat disimpan; alarm tetap senyap hanya sampai Zamanix ditutup.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya memiliki %3 hari</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 tidak ada</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>Pengingat untuk %1 disimpan; berbunyi hanya pada tahun yang %2-nya 30 hari</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>Pengingat untuk %1 disimpan; berbunyi hanya pada tahun kabisat</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>Pengingat untuk %1 disimpan, setiap tahun</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>Pengingat %1 dihapus</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>Tidak ada pengingat %1 untuk dihapus</translation>
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
  zamanix-convert [--from-hijri] [--format text|iso] [KALENDER] TANGGAL...
  zamanix-convert --today [--format text|iso] [KALENDER]
  zamanix-convert --month TAHUN-BULAN [--from-hijri] [KALENDER]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [KALENDER]
                  &lt; daftar-tanggal
dengan KALENDER berupa [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts BERKAS] [--use-settings].

Mengonversi tanggal antara kalender Masehi (Julian sampai 4 Oktober 1582,
Gregorian sejak 15 Oktober 1582) dan kalender Hijriah: secara bawaan dihitung
dari saat-saat bulan baru, atau mengikuti aturan Umm al-Qura atau aturan
tabular (sipil).

TANGGAL berbentuk TAHUN-BULAN-TANGGAL dengan tahun seperti yang biasa
ditulis: tidak ada tahun 0, dan -1-12-31 adalah hari terakhir sebelum 1-1-1.
Tahun -4000 sampai 3000 (kalender Masehi) didukung.

Opsi:
  --from-hijri        tanggal yang diberikan adalah tanggal Hijriah (bawaan:
                      Masehi)
  --format text       cetak kedua tanggal beserta nama hari (bawaan), misalnya
                        Sabtu 1 Januari 2000 = 24 Ramadan 1420
  --format iso        cetak hanya tanggal hasil konversi sebagai TAHUN-BB-HH,
                      misalnya
                        1420-09-24
  --today             tampilkan hari ini (jam setempat) dalam kedua kalender
  --month TAHUN-BULAN cetak bulan sebagai kisi seperti cal(1), setiap hari
                      sebagai tanggal/tanggal-di-kalender-lain
  --batch             baca satu tanggal per baris dari masukan standar dan
                      tulis satu baris per baris masukan (bentuk iso kecuali
                      dengan --format text)
  --calendar ATURAN   kalender Hijriah: astronomical (bawaan, dari bulan
                      baru), umalqura (Umm al-Qura, kalender resmi Arab
                      Saudi) atau civil (kalender tabular)
  --adjust N          geser kalender Hijriah N hari, -2 sampai 2: dengan +1
                      setiap hari menampilkan tanggal Hijriah hari berikutnya
                      (bawaan 0)
  --month-starts BERKAS
                      bulan-bulan Hijriah dimulai seperti yang dicatat dalam
                      BERKAS, satu baris per bulan, TAHUN/BULAN=TTTT-BB-HH
                      (tahun dan bulan Hijriah, lalu tanggal Gregorian hari
                      pertamanya), misalnya 1448/9=2027-02-07, di bawah baris
                      [HijriMonthStarts] atau tanpa baris itu; bulan di
                      sekitar sebuah entri bergeser sesedikit mungkin agar
                      setiap bulan tetap 29 atau 30 hari
  --use-settings      ambil kalender, penyesuaian, dan awal bulan tercatat
                      dari program desktop Zamanix (profilnya, zamanix.INI)
                      kecuali --calendar, --adjust, atau --month-starts
                      menentukan lain
  -h, --help          tampilkan bantuan ini
  --version           tampilkan versi

Galat: tanggal yang tidak ada (bulan di luar 1-12, 2023-02-29, hari-hari yang
dihilangkan 1582-10-05 sampai 1582-10-14, hari Hijriah 30 pada bulan yang
berisi 29 hari menurut kalender yang dipilih, tahun 0, tahun di luar rentang)
atau teks yang bukan tanggal dilaporkan sebagai
"zamanix-convert: &lt;apa yang salah&gt;" pada galat standar, tidak ada yang
dikonversi dan status keluar 2. Dalam mode --batch baris
"error: &lt;apa yang salah&gt;" menggantikan tanggal itu, baris lain tetap
dikonversi, dan status keluar 1 di akhir.

BERKAS --month-starts yang tidak dapat dibaca, memuat baris yang bukan entri,
atau memuat entri yang tidak dapat dipakai (harinya lebih dari 2 hari dari
awal bulan menurut aturan, atau menghasilkan bulan 28 atau 31 hari bersama
entri lain) dilaporkan sebagai
"zamanix-convert: BERKAS: baris N: &lt;apa yang salah&gt;" dan mengakhiri proses
dengan status 2 sebelum tanggal apa pun dicetak. Entri profil yang tidak
dapat dipakai diabaikan, dengan peringatan pada galat standar.

Status keluar: 0 berhasil, 1 beberapa baris --batch salah, 2 penggunaan atau
tanggal salah, atau masukan atau keluaran yang gagal.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Coba '%3 --help' untuk informasi lebih lanjut.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1 tidak dapat digabung dengan opsi lain dari --today, --month, --batch</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>format '%1' tidak dikenal; gunakan text atau iso</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>kalender '%1' tidak dikenal; gunakan astronomical, umalqura, atau civil</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts memerlukan nama berkas</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>penyesuaian '%1' bukan bilangan bulat hari dari -2 sampai 2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: peringatan: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>tanggal tidak dapat diberikan bersama --today, --month, atau --batch</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>tidak ada tanggal yang diberikan</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format tidak berlaku untuk --month</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: kalender %2 tidak dapat dihitung: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>opsi '%1' tidak dikenal</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opsi %1 tidak menerima nilai</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opsi %1 memerlukan nilai</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 bukan jumlah detik</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: tanggal dari jam tidak dapat dikonversi: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: tidak dapat membaca tanggal: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: tidak dapat menulis keluaran</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>tidak ada tahun 0; tahun sebelum 1 adalah -1</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>tahun %1 di luar rentang yang didukung, %2 sampai %3</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>bulan %1 tidak ada; bulan berjalan dari 1 sampai 12</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>tahun Hijriah %1 di luar rentang yang didukung (tahun Masehi %2 sampai %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 bukan tanggal; tulis TAHUN-BULAN-TANGGAL, misalnya 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 bukan bulan; tulis TAHUN-BULAN, misalnya 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>tanggal 0 tidak ada; tanggal dimulai dari 1</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>%1 Oktober 1582 tidak ada; dalam kalender Gregorian, 15 Oktober 1582 langsung menyusul 4 Oktober 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya memiliki %3 hari</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (Hijriah) hanya memiliki %3 hari</translation>
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
        <translation>Kalender Hijriah dan Masehi dengan pengingat.
Oleh para pengembang Zamanix.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>Tentang Zamanix</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>Tanggal Hari Ini:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>Tanggal Hari Ini</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Masehi</translation>
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
        <translation>Tgl:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tanggal</translation>
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
        <translation>Tanggal Padanan:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>Tanggal Padanan</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>Catatan Pengingat:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>Catatan Pengingat</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>Jam alarm</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>Menit alarm</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>Setiap:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Ulangi setiap (menit)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>menit</translation>
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
        <translation>&amp;Lihat</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Lihat</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Hari ini:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Tanggal:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>Tanggal padanan:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>Kalender Hijriah:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>Catatan pengingat:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2; dokumen tidak dapat disimpan menimpanya.
Simpan dokumen dengan nama lain.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 tidak kosong. Dokumen %2 tidak berisi data, jadi menyimpannya di sini akan mengosongkan isi berkas itu.

Tetap ganti isi %3?</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(Bukan berkas biasa: pipa, soket, atau perangkat tidak dapat menampung dokumen)</translation>
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
        <translation>tidak dapat menulis "%1": berkas hanya-baca (mode %2); agar perubahan dapat disimpan di dalamnya, jadikan berkas dapat ditulis (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>tidak dapat menulis "%1": berkas hanya-baca (mode %2) bagi Anda: berkas milik pengguna lain</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>tidak dapat membuat "%1": %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>tidak dapat mengatur izin "%1": %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>tidak dapat menulis "%1": %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>tidak dapat mengosongkan penyangga "%1": %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>tidak dapat membaca "%1": bukan berkas biasa</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>tidak dapat menemukan folder untuk "%1": %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>tidak dapat mengikuti taut "%1": %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>tidak dapat mengikuti taut-taut "%1": %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>tidak dapat membuat folder "%1": %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>tidak dapat mengganti "%1": %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>tidak dapat membuka berkas penguncian "%1": %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>program lain telah memegang berkas penguncian "%1" terlalu lama</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>tidak dapat mengunci "%1": %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>tidak dapat menulis "%1": itu adalah folder; sebutkan sebuah berkas di dalamnya</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>tidak dapat menulis "%1": itu soket, bukan berkas</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>tidak dapat menulis "%1": itu perangkat, bukan berkas</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>tidak dapat menulis "%1": program yang membacanya berhenti membaca</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>tidak dapat menulis "%1": itu pipa yang tidak dibaca program mana pun; jalankan pembacanya terlebih dahulu</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>tidak dapat menulis "%1": %2; pilih berkas lain</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>tidak ada berkas profil yang disebutkan</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>memori tidak cukup untuk menulis "%1"</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>nama bagian "%1" memuat "]" atau ganti baris</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>nama entri "%1" memuat "=" atau ganti baris, atau diawali ";" atau "["</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>itu adalah profil, yang menyimpan pengingat dan pengaturan</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>itu adalah berkas penguncian profil "%1", yang menyimpan pengingat dan pengaturan</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>itu adalah berkas perantara untuk mengganti profil "%1", yang menyimpan pengingat dan pengaturan</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>itu adalah cadangan profil "%1", yang menyimpan pengingat dan pengaturan</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>tidak ada berkas profil: nama berkas program "%1" tidak memberinya nama</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 tidak diatur</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>%1 bernilai "%2"</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>tidak ada folder untuk berkas profil %1.INI: berkas itu disimpan di $XDG_CONFIG_HOME atau, bila tidak ada, di $HOME/.config, tetapi %2 dan %3. Atur HOME (atau XDG_CONFIG_HOME) ke folder absolut, misalnya folder rumah Anda, lalu jalankan ulang program</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>tidak dapat membaca "%1": memori tidak cukup untuk menampungnya</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" bukan cadangan pengingat: berkas ini tidak memuat satu pun bagian profil ([Reminder], [Alarm], [Defaults]); pilih berkas yang ditulis oleh Cadangkan Pengingat</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>belum ada yang bisa dicadangkan: profil "%1" tidak ada, karena belum ada pengingat atau pengaturan yang disimpan</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>tidak dapat memulihkan dari "%1": %2; pilih cadangan yang ditulis oleh Cadangkan Pengingat</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" bukan cadangan pengingat: berkas ini memuat bita yang bukan teks</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>tidak dapat memulihkan "%1": %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>tidak dapat menghapus "%1": %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>Astronomis</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>Tabular (sipil)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1, 1 %2 tercatat</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1, 1 %2 bergeser karena 1 %3 yang tercatat</translation>
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
            <numerusform>%1, %n awal bulan tercatat</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU tidak memiliki kalender %1</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU tidak dapat mengonversi tanggal: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>Tahun Baru Islam</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Hari Asyura</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>Isra Mikraj</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>Nisfu Syakban</translation>
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
        <translation>Idulfitri</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Hari Arafah</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Iduladha</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[Sisanya tidak ditampilkan: teks terlalu panjang untuk ditampilkan utuh.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>Teks ini terlalu panjang untuk disunting di sini; teks ditampilkan sebagian dan dibiarkan tidak berubah.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Baru	Ctrl+N</translation>
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
        <translation>&amp;Pratinjau Cetak</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>Cetak Bula&amp;n...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Penga&amp;turan Cetak...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>Ekspor Pen&amp;gingat...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Berkas Terkini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>Ta&amp;k Jadi	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Potong	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Salin	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>T&amp;empel	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Tambah</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Bilah Alat</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Bilah &amp;Status</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>Semua &amp;Pengingat	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>B&amp;ulan	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;Astronomis</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;Umm al-Qura</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;Tabular (sipil)</translation>
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
        <translation>Tidak a&amp;da</translation>
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
        <translation>Alarm Bersuara</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>&amp;Hari Besar Islam</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Jalankan saat &amp;Masuk</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>&amp;Kalender Hijriah</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>&amp;Penyesuaian Tanggal Hijriah</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>&amp;Tentang Zamanix...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Sunting</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>T&amp;ampilan</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>C&amp;adangkan Pengingat...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>Pu&amp;lihkan Pengingat...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>Terbitkan ke Se&amp;rver Kalender</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;Server Kalender...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;Manual	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Pintasan Papan &amp;Ketik</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>Awal &amp;Bulan Hijriah...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>Tanyakan &amp;Hilal</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>Angka &amp;Barat</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 bukan bulan Hijriah; tulis TAHUN/BULAN, misalnya 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>tidak ada tahun Hijriah 0</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>bulan Hijriah %1 tidak ada; bulan berjalan dari 1 sampai 12</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 bukan tanggal; tulis TTTT-BB-HH, misalnya 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: tidak ada bulan %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: %2 %3 tidak memiliki tanggal %4</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: awal bulan dicatat menurut tanggal Gregoriannya, dan kalender Gregorian dimulai pada 15 Oktober 1582</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: tahun terakhir yang didukung adalah %2</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 tercatat dua kali; entri pertama, %2, yang berlaku</translation>
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
        <translation>%1 tidak dapat dimulai pada %2: dengan %3 tercatat mulai pada %4, %5 akan berisi %6, padahal sebulan berisi 29 atau 30 hari</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1 tidak dapat dimulai pada %2: dengan %3 tercatat mulai pada %4, %5 bulan dari %6 sampai %7 akan berisi %8, padahal %9 bulan berisi %10 sampai %11 hari</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1 tidak dapat dimulai pada %2: menurut %3, hari itu adalah %4</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 tidak dapat dimulai pada %2: itu %3 setelah hari pertamanya menurut %4, %5, sedangkan awal yang dicatat paling jauh %6 hari darinya</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 tidak dapat dimulai pada %2: itu %3 sebelum hari pertamanya menurut %4, %5, sedangkan awal yang dicatat paling jauh %6 hari darinya</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>Tidak ada hari di %1 yang cocok dengan entri di sekitarnya; untuk memulainya pada %2, catat ulang %3 terlebih dahulu, dengan awal pada %4</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>Dengan entri yang ada, %1 dapat dimulai pada %2; untuk memulainya pada %3, catat ulang %4 terlebih dahulu, dengan awal pada %5</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>Tidak ada hari di %1 yang cocok dengan entri di sekitarnya</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>Dengan entri yang ada, %1 dapat dimulai pada %2</translation>
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
        <translation>tidak ada awal bulan di dalamnya; tulis satu per baris sebagai TAHUN/BULAN=TTTT-BB-HH di bawah [HijriMonthStarts], misalnya 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>"%1" bukan entri; tulis TAHUN/BULAN=TTTT-BB-HH, misalnya 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: malam sebelum %2, sejak matahari terbenam pada %3</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>sejak matahari terbenam, malam %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2; tidak ada yang dicetak ke berkas itu.
Cetak ke berkas lain.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>Modul pencetakan %1 tidak dapat dimuat (%2); tidak ada yang dicetak.
Memasang ulang Zamanix memperbaikinya.</translation>
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
  zamanix [BERKAS]
  zamanix --minimized
  zamanix -p BERKAS
  zamanix -pt BERKAS PENCETAK
  zamanix --help | --version

Mengonversi tanggal antara kalender Hijriah dan Masehi, menampilkan hari ini
dalam keduanya, dan menyimpan catatan pengingat dengan alarm untuk hari apa
pun di kedua kalender.

Opsi:
  BERKAS            buka BERKAS sebagai dokumen; tidak ada yang dibaca darinya
  --minimized       mulai dengan jendela diminimalkan, seperti saat masuk;
                    bila Zamanix sudah berjalan, tidak melakukan apa-apa
  -p BERKAS         buka BERKAS, cetak formulir pada pencetak bawaan, keluar
  -pt BERKAS PENCETAK
                    sama seperti di atas, pada PENCETAK
  -h, --help        tampilkan bantuan ini lalu keluar
  --version         tampilkan versi lalu keluar
Opsi standar Qt, misalnya -platform NAMA dan -style NAMA, diterima.

Zamanix berjalan sekali per sesi desktop: selama ia berjalan, menjalankannya
lagi tanpa -p atau -pt akan menampilkan jendelanya (dan membuka BERKAS di
sana) lalu selesai.

Pengingat dan pengaturan disimpan di $XDG_CONFIG_HOME/zamanix.INI (bawaannya
~/.config/zamanix.INI). Lihat zamanix(1).
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: tidak dapat menulis jawaban: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 bukan kalender: berikan URL kalender, atau kalender yang belum ada agar dibuat</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>server %1 meminta nama pengguna dan kata sandi (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>server %1 menolak nama pengguna %2 atau kata sandinya (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>server %1 menjawab %2 %3 untuk %4</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>sertifikat %1 tidak dapat diverifikasi: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 tidak menjawab dalam %2 detik</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>tidak dapat menjangkau %1: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 ditambahkan, %2 diubah, %3 dihapus, %4 tidak berubah</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1, %2 diubah di tempat lain dan dipertahankan</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1, %2 dibiarkan seperti diubah program lain</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>kalender dibuat; %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" bukan URL kalender: tulis https:// (atau http://), nama server, dan jalur kalender, misalnya https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>keyring tidak menjawab dalam %1 detik</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>Menerbitkan pengingat: memeriksa kalender...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>Menerbitkan pengingat: membuat kalender...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>Menerbitkan pengingat: membaca acara kalender...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>Menerbitkan pengingat: %1 dari %2 perubahan ditulis...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>Menerbitkan pengingat: menunggu keyring memberikan kata sandi...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>Penerbitan gagal pada %1: %2. Zamanix mencoba lagi pada %3.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>Pengingat diterbitkan pada %1 ke kalender baru: %2 ditambahkan.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>Pengingat diterbitkan pada %1: %2 ditambahkan, %3 diubah, %4 dihapus, %5 tidak berubah.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>Acara yang dipertahankan seperti diubah program lain: %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>Acara yang dibiarkan seperti ditulis program lain sementara itu: %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix tidak dapat menerbitkan pengingat ke %1: %2.

Zamanix mencoba lagi dengan sendirinya, dengan jeda yang makin panjang setiap kali, dan bilah status memberi tahu perkembangannya; Opsi &gt; Server Kalender... mengubah pengaturan server.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>tidak ada kata sandi yang disimpan untuk "%1" di %2; berikan di Opsi &gt; Server Kalender...</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>modul penerbitan %1 tidak dapat dimuat (%2); memasang ulang Zamanix memperbaikinya</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>Cadangan Zamanix (*.INI *.ini);;Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>Cadangkan Pengingat</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>Pengingat tidak dapat dicadangkan.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>Pengingat dan pengaturan dicadangkan ke %1 (pengingat: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>Pulihkan Pengingat</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>Ganti pengingat dan pengaturan Anda dengan yang ada di cadangan %1?

Pengingat di cadangan: %2. Pengingat sekarang: %3.

Profil seperti sekarang disimpan di %4; memulihkan dari berkas itu mengembalikannya.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>Pengingat dipulihkan dari %1 (pengingat sekarang: %2); profil yang lama disimpan di %3</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>Pengingat tidak dapat dipulihkan; semuanya tetap seperti semula.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>Ekspor Pengingat</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>Berkas iCalendar (*.ics);;Semua Berkas (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>Pengingat tidak dapat diekspor.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>Tidak ada pengingat yang jatuh tempo dalam %1 tahun ke depan; %2 tidak memuat acara</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>1 acara dari %1 tahun ke depan ditulis ke %2</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>%1 acara dari %2 tahun ke depan ditulis ke %3</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>kalender Hijriah astronomis mengikuti bulan baru yang dihitung, yang tidak dijelaskan oleh kalender RSCALE mana pun</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>kalender Hijriah disesuaikan (%1), yang tidak dijelaskan oleh kalender RSCALE mana pun</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>kalender Hijriah memuat awal bulan yang tercatat (%1 pada %2), yang tidak dijelaskan oleh kalender RSCALE mana pun</translation>
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
        <translation>; maksud Anda %1?</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>; bulan Hijriah adalah %1, bulan Masehi January sampai December</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>kunci tidak memiliki "/" antara bulan dan tanggal</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>"%1" bukan bulan Hijriah maupun Masehi</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>kunci tidak memiliki tanggal setelah "/"</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>"%1" bukan tanggal: tulis 1 sampai 31, atau 01 sampai 09</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 tidak pernah lebih dari %2 hari</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>catatan kosong, dan catatan kosong tidak pernah berbunyi</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>waktu alarmnya, %1, tidak pernah tercapai</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%1 tidak memiliki tanggal %2 dalam %3 tahun mendatang menurut kalender %4</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">Dalam %1 hari, %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>Besok, %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 bukan hari maupun bulan dan tanggal: tulis Friday, Hijri/13, Ramadhan/27, atau Ramadhan/27/1448</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 bukan bulan Hijriah maupun Masehi</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 bukan tanggal: tulis 1 sampai 31, atau 01 sampai 09</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>bulan Hijriah tidak pernah lebih dari 30 hari</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 bukan tahun: tulis seperti 1448, atau -5 untuk tahun sebelum 1</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>tahun %1 di luar tahun yang didukung, -4000 sampai 3000</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 hanya memiliki %3 hari</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>%1 Oktober 1582 tidak pernah ada: kalender Gregorius melompat dari 4 ke 15 Oktober 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%1 %2 hanya %3 hari menurut kalender %4</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 di luar hari yang didukung Zamanix, 1 Januari -4000 sampai 31 Desember 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>Berikutnya pada %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>Berikutnya pada %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: hari ini sudah lewat, jadi tidak akan berbunyi</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>Tidak pernah jatuh tempo: %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>Tulis catatan: catatan kosong tidak pernah berbunyi.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>Pengingat ini tidak dapat disimpan: %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>tidak jatuh pada hari mana pun sebelum 31 Desember 3000, hari terakhir yang didukung Zamanix</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>hanya pada tahun kabisat</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>hanya pada tahun yang %1-nya 30 hari</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>pada tanggal 29 di bulan yang berjumlah 29 hari</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>pada hari terakhir bulan yang kurang dari %1 hari</translation>
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
        <translation>ring kunci tidak memuat kata sandi untuk "%1" di %2; berikan dengan --password-file BERKAS (- membaca masukan standar)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>tidak ada ring kunci yang menjawab untuk memberikan kata sandi "%1" di %2 (%3); berikan dengan --password-file BERKAS (- membaca masukan standar)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>tidak dapat membaca kata sandi dari masukan standar: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>tidak dapat membaca kata sandi dari %1: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>belum ada server kalender yang diatur: berikan --url URL (dan --user NAMA), atau simpan di profil sebagai URL= dan User= di bawah [CalendarServer]</translation>
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
  zamanix-reminders [OPSI] list [--format text|tsv]
  zamanix-reminders [OPSI] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPSI] add KUNCI CATATAN [--alarm JJ:MM] [--every MENIT]
  zamanix-reminders [OPSI] remove KUNCI
  zamanix-reminders [OPSI] export [--years N] [--from TANGGAL] [-o BERKAS]
  zamanix-reminders [OPSI] export --rscale [--from TANGGAL] [-o BERKAS]
  zamanix-reminders [OPSI] publish [--url URL] [--user NAMA]
                    [--password-file BERKAS] [--years N]
dengan OPSI berupa [--profile BERKAS] [--calendar astronomical|umalqura|civil]
[--adjust N].

Mendaftar, menambah, dan menghapus pengingat yang disimpan program desktop
Zamanix, mengekspornya sebagai berkas iCalendar untuk program kalender lain,
dan menerbitkannya ke kalender CalDAV yang ditampilkan ponsel dan program
kalender lain.

KUNCI adalah nama bulan dari salah satu kalender, "/" dan sebuah tanggal,
seperti yang dibuat formulir: Ramadhan/27, March/06, Rabi'ul Awwal/5. add
dan remove juga menerima ejaan umum bulan Hijriah (Ramadan, Dhul Hijjah,
Rabi al-Awwal, Jumada al-Ula, ...) dan menyimpan bulan sesuai ejaan
program. Pengingat berulang setiap tahun dalam kalendernya; tanggal 1 sampai
9 jatuh tempo baik ditulis 5 maupun 05.

Perintah:
  list                semua pengingat, menurut hari jatuh tempo berikutnya;
                      yang tidak pernah jatuh tempo (April/31, nama bulan
                      yang salah eja) di akhir, beserta alasannya
  upcoming            pengingat yang jatuh tempo dari hari ini sampai N hari
                      dari hari ini (--days, bawaan 30), satu baris per hari
  add KUNCI CATATAN   simpan CATATAN di bawah KUNCI, beserta alarmnya:
                      --alarm JJ:MM (bawaan 08:00) dan --every MENIT, 0
                      sampai 720, sebelum mengingatkan lagi (bawaan 60);
                      pengingat yang sudah ada mempertahankan bagian alarm
                      yang tidak diberikan; menulis persis seperti tombol
                      Tambah di formulir
  remove KUNCI        lupakan pengingat dan alarmnya, seperti tombol Hapus
                      di formulir
  export              tulis setiap hari ketika pengingat jatuh tempo dalam N
                      tahun ke depan (--years, bawaan 5, mulai --from
                      TANGGAL, TAHUN-BULAN-TANGGAL, bawaan hari ini) sebagai
                      acara iCalendar pada waktu alarm di zona waktu Anda,
                      ke BERKAS (-o; target taut, pipa, atau terminal ditulis
                      sebagai aliran; tidak pernah ke profil atau
                      berkasnya) atau ke keluaran standar
                      dengan --rscale: satu acara per pengingat yang berulang
                      setiap tahun kalendernya (RFC 7529), untuk program yang
                      mengenal kalender Hijriah ICU (Ummul Qura dan tabular,
                      tanpa penyesuaian atau awal bulan yang tercatat)
  publish             membuat kalender CalDAV di URL (--url, bawaan: yang ada
                      di profil) memuat acara yang ditulis export --years N
                      (--years, bawaan: yang ada di profil, jika tidak 2): hanya
                      menulis yang berubah, dan tidak pernah menyentuh objek
                      program lain. Kata sandi adalah baris pertama
                      --password-file BERKAS (- membaca masukan standar), jika
                      tidak kata sandi di ring kunci. Status keluar 1 bila
                      server atau jaringan gagal

Opsi:
  --profile BERKAS    profil yang dipakai (bawaan: milik program desktop,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar ATURAN   kalender Hijriah: astronomical, umalqura, atau civil
                      (bawaan: yang dipilih di program desktop)
  --adjust N          geser kalender Hijriah N hari, -2 sampai 2 (bawaan:
                      seperti yang dipilih di program desktop)
  --format text|tsv   kolom rata (bawaan), atau nilai dipisah tab dengan baris
                      kepala
  -h, --help          tampilkan bantuan ini
  --version           tampilkan versi
CATATAN yang diawali "-" ditulis setelah "--".

Kalender Hijriah mengikuti awal bulan yang tercatat di profil (bagian
[HijriMonthStarts], "1448/9=2027-02-07"); entri yang tidak dapat dipakai
diabaikan, dengan peringatan pada galat standar.

Galat (kunci dengan bulan atau tanggal yang tidak valid, profil yang tidak
dapat dibaca atau ditulis, opsi yang salah, tidak ada kata sandi untuk
menerbitkan) dilaporkan sebagai "zamanix-reminders: &lt;apa yang salah&gt;" pada
galat standar dengan status keluar 2, dan tidak ada yang ditulis.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 bukan jumlah detik</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>kalender %1 tidak dapat dihitung: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: peringatan: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>tidak dapat menambah %1: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>catatan kosong; catatan kosong tidak pernah berbunyi (gunakan remove untuk menghapus pengingat)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>tidak ada pengingat %1 di %2</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years tidak berlaku untuk export --rscale: acaranya berulang tanpa akhir</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>tidak dapat mengekspor acara berulang: %1; export tanpa --rscale justru mendaftar setiap hari sebuah pengingat jatuh tempo</translation>
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
Coba '%3 --help' untuk informasi lebih lanjut.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>tidak dapat menulis keluaran</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile memerlukan nama berkas</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>kalender %1 tidak dikenal; gunakan astronomical, umalqura, atau civil</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>penyesuaian %1 bukan bilangan bulat hari dari -2 sampai 2</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>format %1 tidak dikenal; gunakan text atau tsv</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days menerima jumlah hari dari 0 sampai 36525, bukan %1</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm menerima waktu dari 00:00 sampai 23:59, bukan %1</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every menerima jumlah menit dari 0 sampai %1, bukan %2</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years menerima jumlah tahun dari 1 sampai 100, bukan %1</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file memerlukan nama berkas, atau - untuk masukan standar</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>perintah %1 tidak dikenal; gunakan list, upcoming, add, remove, export, atau publish</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>tidak ada perintah yang diberikan; gunakan list, upcoming, add, remove, export, atau publish</translation>
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
        <translation>%1 menerima KUNCI dan CATATAN</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>opsi %1 tidak berlaku untuk perintah ini</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opsi %1 tidak dikenal</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opsi %1 tidak menerima nilai</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opsi %1 memerlukan nilai</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 jatuh pada %2, yang sudah lewat: pengingat disimpan, tetapi tidak akan berbunyi</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2; pengingat disimpan, dan hanya berbunyi jika bulan itu mendapat hari ke-30</translation>
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
  zamanix-reminders [OPSI] list [--format text|tsv]
  zamanix-reminders [OPSI] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPSI] add KUNCI CATATAN [--alarm JJ:MM] [--every MENIT]
                    [--notice HARI]
  zamanix-reminders [OPSI] remove KUNCI
  zamanix-reminders [OPSI] export [--years N] [--from TANGGAL] [-o BERKAS]
  zamanix-reminders [OPSI] export --rscale [--from TANGGAL] [-o BERKAS]
  zamanix-reminders [OPSI] publish [--url URL] [--user NAMA]
                    [--password-file BERKAS] [--years N]
dengan OPSI berupa [--profile BERKAS] [--calendar astronomical|umalqura|civil]
[--adjust N].

Mendaftar, menambah, dan menghapus pengingat yang disimpan program desktop
Zamanix, mengekspornya sebagai berkas iCalendar untuk program kalender lain,
dan menerbitkannya ke kalender CalDAV yang ditampilkan ponsel dan program
kalender lain.

KUNCI menyebutkan kapan pengingat jatuh tempo:
  Ramadhan/27, March/06      setiap tahun, pada bulan dan tanggal salah satu
                             kalender, seperti formulir menyusunnya
  Ramadhan/27/1448,          sekali, pada tanggal salah satu kalender
  March/06/2027
  Hijri/13, Christian/01     setiap bulan kalender itu, pada satu tanggal;
                             bulan tanpa tanggal itu mendapatkannya pada hari
                             terakhirnya
  Friday                     setiap minggu, pada hari itu (dalam bahasa
                             Inggris)
add dan remove juga menerima ejaan umum bulan Hijriah (Ramadan, Dhul Hijjah,
Rabi al-Awwal, Jumada al-Ula, ...) dan menyimpan bulan sesuai ejaan program.
Tanggal 1 sampai 9 jatuh tempo baik ditulis 5 maupun 05.

Perintah:
  list                semua pengingat dan jenisnya, menurut hari jatuh tempo
                      berikutnya; lalu pengingat sekali yang harinya sudah
                      lewat; yang tidak pernah jatuh tempo (April/31, bulan
                      yang salah eja) di akhir, beserta alasannya
  upcoming            pengingat yang jatuh tempo dari hari ini sampai N hari
                      dari hari ini (--days, bawaan 30), satu baris per hari
  add KUNCI CATATAN   simpan CATATAN di bawah KUNCI, beserta alarmnya:
                      --alarm JJ:MM (bawaan 08:00) dan --every MENIT, 0
                      sampai 720, sampai mengingatkan lagi (bawaan 60), dan
                      --notice HARI, 0 sampai 30, untuk diingatkan sekian hari
                      sebelum setiap hari jatuh tempo juga (0: tanpa
                      pemberitahuan); pengingat yang sudah ada mempertahankan
                      yang tidak diberikan; untuk KUNCI tahunan menulis persis
                      apa yang ditulis tombol Tambah di formulir
  remove KUNCI        lupakan pengingat, alarm, dan pemberitahuannya, seperti
                      tombol Hapus di formulir
  export              tulis setiap hari ketika pengingat jatuh tempo dalam N
                      tahun ke depan (--years, bawaan 5, mulai --from
                      TANGGAL, TAHUN-BULAN-TANGGAL, bawaan hari ini) sebagai
                      acara iCalendar pada waktu alarm di zona waktu Anda,
                      ke BERKAS (-o; target taut, pipa, atau terminal ditulis
                      sebagai aliran; tidak pernah ke profil atau
                      berkasnya) atau ke keluaran standar
                      dengan --rscale: satu acara per pengingat yang berulang
                      setiap tahun kalendernya (RFC 7529), untuk program yang
                      mengenal kalender Hijriah ICU (Ummul Qura dan tabular,
                      tanpa penyesuaian atau awal bulan yang tercatat)
  publish             membuat kalender CalDAV di URL (--url, bawaan: yang ada
                      di profil) memuat acara yang ditulis export --years N
                      (--years, bawaan: yang ada di profil, jika tidak 2): hanya
                      menulis yang berubah, dan tidak pernah menyentuh objek
                      program lain. Kata sandi adalah baris pertama
                      --password-file BERKAS (- membaca masukan standar), jika
                      tidak kata sandi di ring kunci. Status keluar 1 bila
                      server atau jaringan gagal

Opsi:
  --profile BERKAS    profil yang dipakai (bawaan: milik program desktop,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar ATURAN   kalender Hijriah: astronomical, umalqura, atau civil
                      (bawaan: yang dipilih di program desktop)
  --adjust N          geser kalender Hijriah N hari, -2 sampai 2 (bawaan:
                      seperti yang dipilih di program desktop)
  --format text|tsv   kolom rata (bawaan), atau nilai dipisah tab dengan baris
                      kepala
  -h, --help          tampilkan bantuan ini
  --version           tampilkan versi
CATATAN yang diawali "-" ditulis setelah "--".

Kalender Hijriah mengikuti awal bulan yang tercatat di profil (bagian
[HijriMonthStarts], "1448/9=2027-02-07"); entri yang tidak dapat dipakai
diabaikan, dengan peringatan pada galat standar.

Galat (kunci dengan bulan, tanggal, tahun, atau hari yang tidak valid, tanggal
di luar tahun yang didukung, profil yang tidak dapat dibaca atau ditulis, opsi
yang salah, tidak ada kata sandi untuk menerbitkan) dilaporkan sebagai
"zamanix-reminders: &lt;apa yang salah&gt;" pada galat standar dengan status keluar
2, dan tidak ada yang ditulis.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice menerima jumlah hari dari 0 sampai %1, bukan %2</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: bus sesi di %2 tidak menjawab dalam %3 detik; melanjutkan tanpanya, sebagai salinan tersendiri, tanpa pemberitahuan desktop</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Jendela utama</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+huruf bergaris bawah</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>membuka menu, atau menekan tombol formulir</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>Lihat: menampilkan tanggal terpilih di kalender lain beserta catatannya</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>Tambah, Lihat, Hapus</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>menaruh teks papan klip ke catatan, sebagai satu baris</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>Baru, Buka, Simpan</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>mencetak formulir</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>membuka Semua Pengingat</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>menampilkan atau menyembunyikan panel bulan</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>berpindah antara formulir dan panel bulan</translation>
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
        <translation>Tombol panah</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>hari sebelum atau sesudah, atau hari yang sama seminggu sebelum atau sesudahnya</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>bulan sebelum atau sesudah</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>tahun sebelum atau sesudah</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>menampilkan hari di formulir</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>Semua Pengingat</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>dari penyaring ke daftar</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>membuka pengingat di formulir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Hapus</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>menghapus pengingat, setelah bertanya</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>menutup jendela</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Pengingat Terlewat</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>Dialog pengingat</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>mengingatkan Anda lagi setelah selang waktu</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>tidak ada pengingat lagi hari ini</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>jangan sekarang: mengingatkan Anda lagi setelah selang waktu</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>Pengingat Zamanix</translation>
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
        <translation>Tambahkan catatan ke pengingat pada tanggal yang ditentukan</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>Hapus pengingat dari daftar.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>Putar berkas audio Reminder.wav saat alarm</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>Hitung bulan Hijriah dari bulan baru (bawaan)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>Ikuti kalender Umm al-Qura Arab Saudi</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>Ikuti kalender Islam tabular (sipil)</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>Mulai setiap bulan Hijriah dua hari lebih lambat</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>Mulai setiap bulan Hijriah sehari lebih lambat</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>Biarkan bulan Hijriah seperti yang diberikan kalender</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>Mulai setiap bulan Hijriah sehari lebih awal</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>Mulai setiap bulan Hijriah dua hari lebih awal</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>Daftar semua pengingat menurut hari jatuh tempo berikutnya
Semua Pengingat</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>Simpan pengingat lima tahun ke depan sebagai berkas iCalendar untuk program kalender lain
Ekspor Pengingat</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>Jalankan Zamanix, dalam keadaan diminimalkan, setiap kali Anda masuk ke desktop
Jalankan saat Masuk</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>Cetak bulan yang ditampilkan di panel bulan pada satu halaman
Cetak Bulan</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>Tampilkan atau sembunyikan tampilan sebulan di samping formulir
Bulan</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>Tandai hari besar Islam di panel bulan
Hari Besar Islam</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Siap</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Buat dokumen baru
Baru</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Buka dokumen yang ada
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
        <translation>Simpan dokumen aktif dengan nama baru
Simpan Sebagai</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Ubah opsi pencetakan
Pengaturan Halaman</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ubah pencetak dan opsi pencetakan
Pengaturan Cetak</translation>
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
        <translation>Tampilkan halaman penuh
Pratinjau Cetak</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Buka dokumen ini</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>Hapus pilihan
Hapus</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>Hapus semuanya
Hapus Semua</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Salin pilihan ke papan klip
Salin</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Potong pilihan dan taruh di papan klip
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
        <translation>Sisipkan isi papan klip
Tempel</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>Ulangi tindakan terakhir
Ulangi</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>Ganti teks tertentu dengan teks lain
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
        <translation>Batalkan tindakan terakhir
Tak Jadi</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Lakukan lagi tindakan yang dibatalkan
Jadi Lagi</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Bagi jendela aktif menjadi beberapa panel
Bagi</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Tampilkan informasi program, nomor versi, dan hak cipta
Tentang</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Keluar dari aplikasi; menawarkan penyimpanan dokumen
Keluar</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Pindah ke panel jendela berikutnya
Panel Berikutnya</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Kembali ke panel jendela sebelumnya
Panel Sebelumnya</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Tampilkan atau sembunyikan bilah alat
Bilah Alat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Tampilkan atau sembunyikan bilah status
Bilah Status</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Tutup mode pratinjau cetak
Tutup Pratinjau</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>PRL</translation>
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
        <translation>TMP</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>RKM</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>Ubah ukuran jendela</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>Ubah posisi jendela</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>Kecilkan jendela menjadi ikon</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>Besarkan jendela ke ukuran penuh</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>Pindah ke jendela dokumen berikutnya</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>Pindah ke jendela dokumen sebelumnya</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>Tutup jendela aktif dan tawarkan penyimpanan dokumen</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>Kembalikan jendela ke ukuran normal</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>Aktifkan daftar tugas</translation>
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
        <translation>Semua Berkas (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Tanpa Judul</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>berkas tanpa nama</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Sembunyikan</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>Tidak ada pesan galat yang tersedia.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>Operasi yang tidak didukung telah dicoba.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>Sumber daya yang diperlukan tidak tersedia.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Kehabisan memori.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>Terjadi galat yang tidak diketahui.</translation>
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
        <translation>Cetak ke Berkas</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>ke %1</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>Nama berkas tidak valid.</translation>
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
        <translation>Gagal membuat dokumen kosong.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Berkas terlalu besar untuk dibuka.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Tidak dapat memulai pekerjaan cetak.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Gagal menjalankan bantuan.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Galat internal aplikasi.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>Perintah gagal.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>Memori tidak cukup untuk menjalankan operasi.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Entri registri sistem telah dihapus dan berkas INI (bila ada) telah dihapus.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Tidak semua entri registri sistem (atau berkas INI) berhasil dihapus.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Masukkan bilangan bulat.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Masukkan angka.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Masukkan bilangan bulat antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Masukkan angka antara %1 dan %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Masukkan tidak lebih dari %1 karakter.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Pilih sebuah tombol.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Masukkan bilangan bulat antara 0 dan 255.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Masukkan bilangan bulat positif.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Masukkan tanggal dan/atau waktu.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>Masukkan nilai mata uang.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format berkas tidak terduga.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Berkas ini tidak ditemukan.
Pastikan jalur dan nama berkas yang diberikan sudah benar.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>Diska tujuan penuh.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>Tidak dapat membaca %1, berkas sedang dibuka oleh pihak lain.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>Tidak dapat menulis ke %1, berkas hanya-baca atau sedang dibuka oleh pihak lain.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Terjadi galat tak terduga saat membaca %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Terjadi galat tak terduga saat menulis %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Tidak terjadi galat.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Ada upaya mengakses %1 melewati akhirnya.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 berisi skema yang salah.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>piksel</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>Simpan salinan semua pengingat dan pengaturan ke berkas pilihan Anda
Cadangkan Pengingat</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>Ganti pengingat dan pengaturan dengan yang ada di cadangan
Pulihkan Pengingat</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>Tampilkan tombol yang berfungsi di jendela Zamanix
Pintasan Papan Ketik</translation>
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
        <translation>Simpan kalender berisi pengingat Anda di server CalDAV, untuk ponsel dan program kalender lain
Server Kalender</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>Terbitkan pengingat ke server kalender sekarang
Terbitkan Sekarang</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>Tampilkan, hapus, dan impor hari dimulainya bulan Hijriah komunitas Anda
Awal Bulan Hijriah</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>Pada tanggal 29 setiap bulan Hijriah, tanyakan di sore hari apakah hilal terlihat
Tanyakan Hilal</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>Tulis bilangan dengan angka 0 sampai 9, bukan angka bahasa Anda
Angka Barat</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Bilah Alat</translation>
    </message>
</context>
</TS>
