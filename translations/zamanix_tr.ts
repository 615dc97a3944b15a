<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>Tüm Hatırlatıcılar - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>Nota ya da anahtara göre süz</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>Hatırlatıcıları süz</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>Yalnızca notu ya da anahtarı bu metni içeren hatırlatıcıları gösterir</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>Tüm hatırlatıcılar</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Enter hatırlatıcıyı formda açar, Delete onu siler, Escape pencereyi kapatır</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n hatırlatıcı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%n hatırlatıcıdan %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1; %n tanesinin zamanı hiç gelmez</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>Form %1 hatırlatıcısını gösteremez: %2.

Onu buradan silin ya da profildeki anahtarını düzeltin.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>%1 hatırlatıcısı silinsin mi?

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>%1 hatırlatıcısı silinemedi.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>Form, hiç zamanı gelmeyen %1 için bir gün gösteremez: %2.

Burada düzenleyin ya da silin.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>&amp;Yeni Hatırlatıcı...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>Bir hatırlatıcı ekler: her yıl, bir kez, her ay ya da her hafta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Düzenle...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>Seçili hatırlatıcıyı değiştirir</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>Formda &amp;Aç</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>Seçili hatırlatıcının gününü formda gösterir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Si&amp;l</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>Sorduktan sonra seçili hatırlatıcıyı siler</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>Önümüzdeki beş yılın hatırlatıcılarını bir iCalendar dosyasına kaydeder</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>Henüz hatırlatıcı yok. Her türden bir hatırlatıcı eklemek için Yeni Hatırlatıcı... seçin ya da ana pencerede bir tarih seçip bir not yazın ve Ekle'yi seçin.</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Enter yıllık bir hatırlatıcıyı formda açar, diğerlerini düzenler; Delete birini siler, Menü tuşu yapılabilecek başka şeyleri gösterir, Escape pencereyi kapatır</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 zamanı hiç gelmez: %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 %2 tarihindeydi, o gün geçti; bir daha çalmayacak.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 zamanı: %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>%1 için bir hatırlatıcı zaten var:

%2

Bununla değiştirilsin mi?</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>%1 hatırlatıcısı kaydedilemedi.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>Takvim Sunucusu - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix, telefonunuz ve diğer takvim programları için bir CalDAV sunucusunda, hatırlatıcıların zamanı geldiği her günü içeren bir takvim tutar. Henüz var olmayan bir takvim oluşturulur; URL olmadan hiçbir şey yayımlanmaz.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>Takvim URL'si</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>Takvimin sunucudaki adresi; örneğin https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>http:// üzerinden parola şifrelenmeden gider: sunucu bu bilgisayarda çalışmıyorsa https:// kullanın.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>Takvim sunucusundaki kullanıcı adınız</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>Takvim sunucusundaki parolanız</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>İleriki yıllar</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>Takvimin bugünden itibaren kaç yıllık hatırlatıcı tuttuğu</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>&amp;Takvim URL'si:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>K&amp;ullanıcı adı:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>İleriki &amp;yıllar:</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>Şimdi Yayı&amp;mla</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>Parola masaüstünüzün anahtarlığına gider, asla bir Zamanix dosyasına yazılmaz.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>Bu takvimde bu kullanıcı için kayıtlı parola yok: buraya girin.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Parolayı hiçbir anahtarlık almadı, bu yüzden yalnızca bu oturum için tutuluyor: Zamanix yeniden başladıktan sonra buraya yeniden girin.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>Parola masaüstünüzün anahtarlığında tutuluyor.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Hiçbir anahtarlık yanıt vermedi (%1), bu yüzden parola yalnızca bu oturum için tutuluyor: Zamanix yeniden başladıktan sonra buraya yeniden girin.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>Takvim sunucusunun ayarları kaydedilmedi: %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>Takvim sunucusunun ayarları profile yazılamadı; Zamanix kapanana dek bunlarla yayımlar.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>Parola anahtarlığa veriliyor...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>Önce bir takvimin URL'sini verin: Zamanix hatırlatıcıları orada yayımlar.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>Takvim sunucusunun ayarlarındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>Şimdi Yayımla hatırlatıcıları hemen yayımlar; Zamanix de her değişiklikten sonra onları kendiliğinden yayımlar.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>Yayımlama kapalı: yayımlanacak bir takvimin URL'sini verin.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>%1 hilali görüldü mü?</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>Bugün 29 %1; yanıtınız %2 ayının başladığı günü kaydeder.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>Evet: %1 yarın başlıyor</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>Hayır: %1 30 gün</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Henüz değil</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix: Yeni Ay</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>%1 ayının başlangıcı kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Yeni ayı sorma ayarı kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Rakam seçimi kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Not</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>Kaçırılan Hatırlatıcılar - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Kaçırılan Hatırlatıcılar</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>Bu hatırlatıcıların zamanı, Zamanix çalışmıyorken ya da bilgisayar uykudayken geldi.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Kaçırılan hatırlatıcılar</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Enter hatırlatıcıyı formda açar, Escape pencereyi kapatır</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>Formda &amp;Aç</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>Seçili hatırlatıcıyı formda gösterir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n hatırlatıcı kaçırıldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Ay panelinin gösterilip gösterilmediği kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Dini günlerin işaretlenip işaretlenmediği kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>Ay panelinin hangi yanda durduğu kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>%1. hafta</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Önceki yıl</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Sonraki yıl</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>Ok tuşları günü, Page Up ve Page Down ayı, Ctrl ile birlikte yılı değiştirir; Home bugüne gider; Enter günü formda gösterir</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>Dini günler: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>Dini günler</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>Ay'ın evreleri (yerel saat)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Hatırlatıcılar</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>hatırlatıcı: %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>hatırlatıcılar: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>Hatırlatıcı: %1 (alarm %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Hatırlatıcı: %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>yeni ay, saat %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>ilk dördün, saat %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>dolunay, saat %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>son dördün, saat %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>Başladığı Gün...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>Bu Ayın Başladığı Gün...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>Kaydı Kaldır</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>%1 ayının başlangıcı kaydedilemedi.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>%1 ayının kaydedilen başlangıcı kaldırılamadı.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>%1 Ne Zaman Başladı - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>Başlamış olabileceği günler</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>Kaydı Kal&amp;dır</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>%1 için şimdi hiçbir başlangıç günü kaydedilemez: %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 kayda göre %2 tarihinde başladı; %3 onu %4 tarihinde başlatır. Topluluğunuzun duyurduğu günü seçin.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1, çevresindeki ayların kayıtlarıyla kayarak %2 tarihinde başlar; %3 onu %4 tarihinde başlatır. Topluluğunuzun duyurduğu günü seçin.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%1, %3 ile %2 tarihinde başlar. Topluluğunuzun duyurduğu günü seçin.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1, şimdi %2 (kuralın başlangıcı, kayıtlı)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1, şimdi %2 (kuralın başlangıcı)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1, şimdi %2 (kayıtlı)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1, şimdi %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>Yok sayıldı: %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>aynı gün</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>1 gün önce</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>1 gün sonra</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 gün önce</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 gün sonra</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Hicri ay</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>Başladığı gün</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>Kuralın başlangıcı</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>Hicri Ay Başlangıçları - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>Kaydedilen ay başlangıçları</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Delete seçili kaydı kaldırır; Escape pencereyi kapatır</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;İçe Aktar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>Kayıtları, bir caminin ya da topluluk sitesinin yayımladığı gibi bir dosyadakilerle değiştir</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>Yeni ay</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>Her Hicri ayın 29'unda görülüp görülmediğini sor, saat</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>Yeni ay sorusunun saati</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Yeni ayı sorma ayarı kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Yeni ay sorusunun saati kaydedilemedi; Zamanix kapanınca bunu unutacak.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>Kullanılan Hicri takvim: %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>Kayıtlı ay başlangıcı yok; ay panelindeki Bu Ayın Başladığı Gün... bir tane kaydeder.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>Her kayıt, bir Hicri ayın topluluğunuz için hangi gün başladığını söyler; işaretli olan tutulamaz ve yok sayılır.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>%1 ayının kayıtlı başlangıcı, %2, kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>%1 girdisi profilden kaldırılsın mı?</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>%1 kaydı kaldırılamadı.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>Hicri Ay Başlangıçlarını İçe Aktar</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>Ay başlangıçları (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>"%1" içe aktarılınca şimdi kayıtlı ay başlangıçlarının yerini alır ve dosyada olmayan %2 tanesi kaldırılır. İçe aktarılsın mı?</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>"%1" dosyasındaki ay başlangıçları içe aktarılamadı.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>bir dosya değil</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>bir ay başlangıçları listesinin olabileceğinden büyük</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>"%1" dosyasından hiçbir şey içe aktarılmadı: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>"%1" dosyasından şu satırlar yüzünden hiçbir şey içe aktarılmadı:</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix yalnızca yerel dosyaları açar</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix'in %1 adlı bir eylemi yok</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>Her yıl</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Bir kez</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Her ay</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Her hafta</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Miladi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> dakika</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> gün önce</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> gün önce</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Haftanın günü</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>Zamanı</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Alarm saati</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Dakika olarak yineleme aralığı</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>Önceden uyarı: zamanı gelen her günden önceki gün sayısı</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>Hatırlatıcıyı Düzenle - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>Yeni Hatırlatıcı - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tür:</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;Takvim:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Ay:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Gün:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Yıl:</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Haftanın &amp;günü:</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>Zamanı:</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>&amp;Not:</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;Alarm saati:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Yineleme aralığı:</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>&amp;Önceden uyarı:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Yineleme</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Sonraki tarih</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>yarın</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>%n gün sonra</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Miladi</translation>
    </message>
    <message>
        <source>never</source>
        <translation>hiçbir zaman</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 dk</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>Hiçbir zaman: %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Önceden uyarı</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>geçti, dün</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>geçti, %n gün önce</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Her yıl</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Bir kez</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Her ay</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Her hafta</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>%n gün önce</numerusform>
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
        <translation>Klavye Kısayolları - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Nerede</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ne yaparlar</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: çalışan kopya yanıt vermiyor (%1); başka bir kopya başlatılıyor</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>Ne XDG_CONFIG_HOME ne de HOME, masaüstünün oturum açılışında başlatılacak programları aradığı klasörü belirtiyor.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>Programın yolu "%1" bir masaüstü girdisine yazılamıyor.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>Zamanix'in oturum açılışında başlaması durdurulamadı:

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>Zamanix oturum açılışında başlayacak biçimde ayarlanamadı:

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>Kılavuz açılamadı: yüklü bir yardım görüntüleyicisi (Yelp gibi) yok, README de yok.

Bir uçbirimde "man zamanix" kılavuzu gösterir.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix %1 takvimini hesaplayamıyor: %2.

%3 takvimiyle devam ediyor; Seçenekler &gt; Hicri Takvim başka birini seçer.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 kaydedilemez: %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>Zamanix Hatırlatıcısı</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>%1 dakika sonra yeniden hatırlat</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>Bugünlük tamam</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>Zamanix Hatırlatıcısı:

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

%1 dakika sonra yeniden hatırlatılsın mı?</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2, %3 dakikada bir</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>Hicri takvim ayarı kaydedilemedi; Zamanix %1 ayarını yalnızca kapatılana kadar koruyacak.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: hatırlatıcıların en son ne zaman denetlendiği kaydedilemiyor: %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>%1 hatırlatıcısı tutulamaz: %2.

Hiçbir şey yazılmadı. Günü düzeltin ya da bir not yazın, sonra yeniden Ekle'yi seçin.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>%1 hatırlatıcısı kaydedilemedi. Yazdıklarınız hâlâ formda; dosyaya yazılabildiğinde yeniden ekleyin.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>%1 hatırlatıcısı silinemedi.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>Ses ayarı kaydedilemedi; alarm yalnızca Zamanix kapatılana kadar sesli kalacak.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>Ses ayarı kaydedilemedi; alarm yalnızca Zamanix kapatılana kadar sessiz kalacak.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 yalnızca %3 gündür</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%1 %2 %3 diye bir tarih yok</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>%1 hatırlatıcısı tutuldu; yalnızca %2 ayının 30 gün sürdüğü yıllarda çalar</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>%1 hatırlatıcısı tutuldu; yalnızca artık yıllarda çalar</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>%1 hatırlatıcısı tutuldu, her yıl</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>%1 hatırlatıcısı silindi</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>Silinecek bir %1 hatırlatıcısı yoktu</translation>
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
        <translation>Kullanım:
  zamanix-convert [--from-hijri] [--format text|iso] [TAKVİM] TARİH...
  zamanix-convert --today [--format text|iso] [TAKVİM]
  zamanix-convert --month YIL-AY [--from-hijri] [TAKVİM]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [TAKVİM]
                  &lt; tarihler
burada TAKVİM [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts DOSYA] [--use-settings] demektir.

Tarihleri Miladi takvim (4 Ekim 1582'ye kadar Jülyen, 15 Ekim 1582'den
itibaren Gregoryen) ile Hicri takvim arasında dönüştürür. Hicri takvim
varsayılan olarak yeni ayların anlarından hesaplanır ya da Ümmülkura veya
tablolu (sivil) kurala göre tutulur.

TARİH, yılı insanların yazdığı gibi olmak üzere YIL-AY-GÜN biçimindedir: 0
yılı yoktur ve -1-12-31, 1-1-1'den önceki son gündür. (Miladi takvimde) -4000
ile 3000 arasındaki yıllar desteklenir.

Seçenekler:
  --from-hijri        verilen tarihler Hicri tarihlerdir (varsayılan: Miladi)
  --format text       iki tarihi haftanın günüyle birlikte yazar (varsayılan),
                      örneğin
                        Cumartesi 1 Ocak 2000 = 24 Ramazan 1420
  --format iso        yalnızca dönüştürülen tarihi YIL-AA-GG biçiminde yazar,
                      örneğin
                        1420-09-24
  --today             bugünü (yerel saate göre) iki takvimde de gösterir
  --month YIL-AY      ayı cal(1) gibi bir ızgara olarak yazar; her gün
                      gün/öbür-takvimdeki-gün biçimindedir
  --batch             standart girdiden her satırda bir tarih okur ve her
                      girdi satırı için bir satır yazar (--format text
                      verilmedikçe iso biçiminde)
  --calendar KURAL    Hicri takvim: astronomical (varsayılan, yeni aylardan),
                      umalqura (Ümmülkura, Suudi Arabistan'ın resmi takvimi)
                      ya da civil (tablolu takvim)
  --adjust N          Hicri takvimi N gün kaydırır, -2 ile 2 arası: +1 ile
                      her gün bir sonraki günün Hicri tarihini gösterir
                      (varsayılan 0)
  --month-starts DOSYA
                      Hicri aylar DOSYA'da kaydedildiği gibi başlar; her
                      satırda bir ay, YIL/AY=YYYY-AA-GG (Hicri yıl ve ay,
                      ardından ilk gününün Gregoryen tarihi), örneğin
                      1448/9=2027-02-07, bir [HijriMonthStarts] satırının
                      altında ya da tek başına; bir kaydın çevresindeki
                      aylar, her ayı 29 ya da 30 gün tutacak kadar az kayar
  --use-settings      Zamanix masaüstü programının takvimini, düzeltmesini
                      ve kayıtlı ay başlarını (profili, zamanix.INI) alır;
                      --calendar, --adjust ya da --month-starts başka bir şey
                      söylemedikçe
  -h, --help          bu yardımı gösterir
  --version           sürümü gösterir

Hatalar: var olmayan bir tarih (1-12 dışında bir ay, 2023-02-29, atlanan
1582-10-05 - 1582-10-14 günleri, seçilen takvime göre 29 gün çeken bir ayın
Hicri 30. günü, 0 yılı, aralık dışındaki bir yıl) ya da tarih olmayan bir
metin standart hataya "zamanix-convert: &lt;yanlış olan&gt;" olarak bildirilir,
hiçbir şey dönüştürülmez ve çıkış durumu 2 olur. --batch kipinde o tarihin
yerinde "error: &lt;yanlış olan&gt;" satırı durur, diğer satırlar yine de
dönüştürülür ve sonunda çıkış durumu 1 olur.

Okunamayan, kayıt olmayan bir satır içeren ya da tutulamayan bir kayıt
(günü kuralın ay başından 2 günden fazla uzak olan ya da diğer kayıtlarla
birlikte 28 veya 31 günlük bir ay doğuran) içeren bir --month-starts DOSYA'sı
"zamanix-convert: DOSYA: satır N: &lt;yanlış olan&gt;" olarak bildirilir ve
herhangi bir tarih yazılmadan çalışma 2 durumuyla sona erer. Profildeki
tutulamayan bir kayıt, standart hataya bir uyarı yazılarak dışarıda bırakılır.

Çıkış durumu: 0 başarı, 1 bazı --batch satırları yanlıştı, 2 hatalı kullanım
ya da tarih, veya başarısız olan girdi ya da çıktı.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Daha fazla bilgi için '%3 --help' yazın.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1, --today, --month, --batch seçeneklerinden başka biriyle birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>bilinmeyen biçim '%1'; text ya da iso kullanın</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>bilinmeyen takvim '%1'; astronomical, umalqura ya da civil kullanın</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts bir dosya adı gerektirir</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>'%1' düzeltmesi -2 ile 2 arasında tam sayıda gün değil</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: uyarı: %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>tarihler --today, --month ya da --batch ile birlikte verilemez</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>tarih verilmedi</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format, --month ile kullanılamaz</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: %2 takvimi hesaplanamıyor: %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>bilinmeyen seçenek '%1'</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>%1 seçeneği değer almaz</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>%1 seçeneği bir değer gerektirir</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 bir saniye sayısı değil</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: saatin gösterdiği tarih dönüştürülemiyor: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: tarihler okunamıyor: %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: çıktı yazılamadı</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>0 yılı yoktur; 1'den önceki yıl -1'dir</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>%1 yılı desteklenen %2 ile %3 aralığının dışında</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>%1. ay yoktur; aylar 1 ile 12 arasındadır</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>Hicri %1 yılı desteklenen aralığın dışında (Miladi %2 ile %3 yılları)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 bir tarih değil; YIL-AY-GÜN biçiminde yazın, örneğin 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 bir ay değil; YIL-AY biçiminde yazın, örneğin 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>0. gün yoktur; günler 1'den başlar</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>%1 Ekim 1582 yoktur; Gregoryen takvimde 4 Ekim 1582'yi 15 Ekim 1582 izler</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 yalnızca %3 gündür</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (Hicri) yalnızca %3 gündür</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%2 %3 %4 %1</translation>
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
        <translation>Zamanix Sürüm 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>Hatırlatıcılı Hicri ve Miladi takvim.
Zamanix geliştiricileri tarafından.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>Zamanix Hakkında</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>Bugünün Tarihi:</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>Bugünün Tarihi</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Miladi</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Ay:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Gün:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Yıl:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Corresponding Date:</source>
        <translation>Karşılık Gelen Tarih:</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>Karşılık Gelen Tarih</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>Hatırlatma Notu:</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>Hatırlatma Notu</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>Alarm saati</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>Alarm dakikası</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>Her:</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Yineleme aralığı (dakika)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>dakika</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>G&amp;öster</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Si&amp;l</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Bugün:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Tarih:</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>Karşılık gelen tarih:</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>Hicri takvim:</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>Hatırlatma notu:</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1: %2; bunun üzerine belge kaydedilemez.
Belgeyi başka bir adla kaydedin.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 boş değil. Bir %2 belgesi veri tutmaz; buraya kaydetmek dosyanın içeriğini hiçbir şeyle değiştirir.

%3 dosyasının içeriği yine de değiştirilsin mi?</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(Normal bir dosya değil: bir boru, soket ya da aygıt belge tutamaz)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>"%1" okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>"%1" yazılamıyor: dosya salt okunur (kip %2); içinde değişiklik tutmak için onu yazılabilir yapın (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>"%1" yazılamıyor: dosya sizin için salt okunur (kip %2): başka bir kullanıcıya ait</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>"%1" oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>"%1" izinleri ayarlanamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>"%1" yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>"%1" arabelleği boşaltılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>"%1" okunamıyor: normal bir dosya değil</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>"%1" dosyasının klasörü bulunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>"%1" bağlantısı izlenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>"%1" bağlantıları izlenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>"%1" klasörü oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>"%1" değiştirilemiyor: %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>"%1" kilit dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>başka bir program "%1" kilit dosyasını çok uzun süredir tutuyor</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>"%1" kilitlenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>"%1" yazılamıyor: bu bir klasör; içindeki bir dosyanın adını verin</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>"%1" yazılamıyor: bu bir dosya değil, soket</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>"%1" yazılamıyor: bu bir dosya değil, aygıt</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>"%1" yazılamıyor: onu okuyan program okumayı bıraktı</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>"%1" yazılamıyor: bu, hiçbir programın okumadığı bir boru; önce okuyacak programı başlatın</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>"%1" yazılamıyor: %2; başka bir dosya seçin</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>profil dosyası belirtilmedi</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>"%1" yazmak için bellek yetersiz</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>"%1" bölüm adı "]" ya da satır sonu içeriyor</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>"%1" girdi adı "=" ya da satır sonu içeriyor veya ";" ya da "[" ile başlıyor</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>bu, hatırlatıcıları ve ayarları tutan profil dosyasıdır</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>bu, hatırlatıcıları ve ayarları tutan "%1" profilinin kilit dosyasıdır</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>bu, hatırlatıcıları ve ayarları tutan "%1" profilinin değiştirilirken geçtiği ara dosyadır</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>bu, hatırlatıcıları ve ayarları tutan "%1" profilinin yedeğidir</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>profil dosyası yok: programın dosya adı "%1" ona bir ad vermiyor</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 ayarlı değil</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>%1 değeri "%2"</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>%1.INI profil dosyası için klasör yok: dosya $XDG_CONFIG_HOME içinde, o yoksa $HOME/.config içinde tutulur; ancak %2 ve %3. HOME (ya da XDG_CONFIG_HOME) değişkenini ev klasörünüz gibi mutlak bir klasöre ayarlayın ve programı yeniden başlatın</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>"%1" okunamıyor: onu tutmaya bellek yetmiyor</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>"%1" hatırlatıcıların bir yedeği değil: bir profilin bölümlerinden ([Reminder], [Alarm], [Defaults]) hiçbirini içermiyor; Hatırlatıcıları Yedekle komutunun yazdığı bir dosya seçin</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>henüz yedeklenecek bir şey yok: "%1" profili yok, çünkü şimdiye dek hiçbir hatırlatıcı ya da ayar kaydedilmedi</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>"%1" dosyasından geri yüklenemiyor: %2; Hatırlatıcıları Yedekle komutunun yazdığı bir yedek seçin</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>"%1" hatırlatıcıların bir yedeği değil: metin olmayan baytlar içeriyor</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>"%1" geri yüklenemiyor: %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>"%1" kaldırılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>Astronomik</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Ümmülkura</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>Tablolu (sivil)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1, 1 %2 kayıtlı</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1, 1 %2, kayıtlı 1 %3 nedeniyle kaydırıldı</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1, %2 gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1, %n kayıtlı ay başı</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU'da %1 takvimi yok</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU tarihi dönüştüremiyor: %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>Hicri Yılbaşı</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Aşure Günü</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>Miraç Kandili</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>Berat Kandili</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>Ramazan'ın İlk Günü</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>Kadir Gecesi (tek gecelerden biri)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Ramazan Bayramı</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Arefe Günü</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Kurban Bayramı</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[Gerisi gösterilmiyor: metin tamamı gösterilemeyecek kadar uzun.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>Bu metin burada düzenlenemeyecek kadar uzun; bir kısmı gösteriliyor ve değiştirilmeden korunuyor.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Yeni	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Aç...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Kaydet	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Ya&amp;zdır...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Baskı &amp;Önizleme</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>Ay&amp;ı Yazdır...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Yazı&amp;cı Ayarları...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>Hatırlatıcıları &amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Son Dosya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Geri Al	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Kes	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>K&amp;opyala	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Ya&amp;pıştır	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Si&amp;l</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Araç Çubuğu</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Durum Çubuğu</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>Tüm &amp;Hatırlatıcılar	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>A&amp;y	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;Astronomik</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;Ümmülkura</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;Tablolu (sivil)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 gün</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 gün</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Yok</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;gün</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 gün</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>Sesli Alarm</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>Dini &amp;Günler</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Oturum Açılışında &amp;Başlat</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>Hicri &amp;Takvim</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>Hicri Tarih &amp;Düzeltmesi</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>&amp;Zamanix Hakkında...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>Hatırlatıcıları Yedek&amp;le...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>Hatırlatıcıları &amp;Geri Yükle...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>Takvim Sunucusunda Yayı&amp;mla</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>Takvim &amp;Sunucusu...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;Kılavuz	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Klavye Kısa&amp;yolları</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>Hicri Ay &amp;Başlangıçları...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>Yeni &amp;Ayı Sor</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>&amp;Batı Rakamları</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 bir Hicri ay değil; YIL/AY biçiminde yazın, örneğin 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>Hicri 0 yılı yoktur</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>Hicri %1. ay yoktur; aylar 1 ile 12 arasındadır</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 bir tarih değil; YYYY-AA-GG biçiminde yazın, örneğin 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1: %2. ay yoktur</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1: %2 %3 ayının %4. günü yoktur</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1: ay başı Gregoryen tarihiyle kaydedilir ve Gregoryen takvim 15 Ekim 1582'de başlar</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1: desteklenen son yıl %2</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 iki kez kaydedilmiş; ilk kayıt (%2) geçerlidir</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ya da %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 would have %6, and a month has 29 or 30</source>
        <translation>%1, %2 tarihinde başlayamaz: %3 ayı %4 tarihinde başlıyor diye kayıtlıyken %5 %6 sürerdi; oysa bir ay 29 ya da 30 gündür</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1, %2 tarihinde başlayamaz: %3 ayı %4 tarihinde başlıyor diye kayıtlıyken %5 ay (%6 ile %7 arası) %8 sürerdi; oysa %9 ay %10 ile %11 gün arasıdır</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1, %2 tarihinde başlayamaz: %3 takvimine göre o gün %4</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1, %2 tarihinde başlayamaz: bu, %4 takvimine göre ilk gününden (%5) %3 sonra; kayıtlı bir başlangıç ondan en çok %6 gün uzakta olabilir</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1, %2 tarihinde başlayamaz: bu, %4 takvimine göre ilk gününden (%5) %3 önce; kayıtlı bir başlangıç ondan en çok %6 gün uzakta olabilir</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>%1 ayının hiçbir günü çevresindeki kayıtlara uymuyor; onu %2 tarihinde başlatmak için önce %3 ayını %4 tarihinde başlayacak biçimde yeniden kaydedin</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>Kayıtlar bu hâliyle %1, %2 tarihinde başlayabilir; onu %3 tarihinde başlatmak için önce %4 ayını %5 tarihinde başlayacak biçimde yeniden kaydedin</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>%1 ayının hiçbir günü çevresindeki kayıtlara uymuyor</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>Kayıtlar bu hâliyle %1, %2 tarihinde başlayabilir</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>[%1] %2=%3 yok sayıldı: %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>%1 için %2. satırda başka bir gün verilmiş</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>içinde hiç ay başı yok; her satıra bir tane olmak üzere YIL/AY=YYYY-AA-GG biçiminde [HijriMonthStarts] altına yazın, örneğin 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>"%1" bir kayıt değil; YIL/AY=YYYY-AA-GG biçiminde yazın, örneğin 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1: %2 gününden önceki gece, %3 gün batımından itibaren</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>gün batımından itibaren, %1 gecesi</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1: %2; bu dosyaya hiçbir şey yazdırılmadı.
Başka bir dosyaya yazdırın.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>Yazdırma modülü %1 yüklenemedi (%2); hiçbir şey yazdırılmadı.
Zamanix'i yeniden kurmak bunu düzeltir.</translation>
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
        <translation>Kullanım:
  zamanix [DOSYA]
  zamanix --minimized
  zamanix -p DOSYA
  zamanix -pt DOSYA YAZICI
  zamanix --help | --version

Tarihleri Hicri ve Miladi takvim arasında dönüştürür, bugünü iki takvimde de
gösterir ve iki takvimin herhangi bir günü için alarmlı bir hatırlatma notu
tutar.

Seçenekler:
  DOSYA             DOSYA'yı belge olarak açar; ondan hiçbir şey okunmaz
  --minimized       pencereyi oturum açılışındaki gibi simge durumunda
                    başlatır; Zamanix zaten çalışıyorsa hiçbir şey yapmaz
  -p DOSYA          DOSYA'yı açar, formu varsayılan yazıcıda yazdırır, çıkar
  -pt DOSYA YAZICI  aynısını YAZICI'da yapar
  -h, --help        bu yardımı gösterir ve çıkar
  --version         sürümü gösterir ve çıkar
-platform AD ve -style AD gibi standart Qt seçenekleri kabul edilir.

Zamanix her masaüstü oturumunda bir kez çalışır: o çalışırken -p ya da -pt
olmadan yapılan bir başlatma onun penceresini gösterir (ve DOSYA'yı orada
açar) ve sona erer.

Hatırlatıcılar ve ayarlar $XDG_CONFIG_HOME/zamanix.INI dosyasında tutulur
(varsayılan olarak ~/.config/zamanix.INI). Bkz. zamanix(1).
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: yanıt yazılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 bir takvim değil: bir takvimin URL'sini ya da oluşturulması için henüz var olmayan birinin URL'sini verin</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>%1 sunucusu bir kullanıcı adı ve parola istiyor (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>%1 sunucusu %2 kullanıcı adını ya da parolasını reddetti (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>%1 sunucusu %4 isteğine %2 %3 yanıtını verdi</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>%1 sertifikası doğrulanamadı: %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 %2 saniye içinde yanıt vermedi</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 adresine ulaşılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 eklendi, %2 değişti, %3 kaldırıldı, %4 değişmedi</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1, %2 başka yerde değişti ve korundu</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1, %2 başka bir programın değiştirdiği gibi bırakıldı</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>takvim oluşturuldu; %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>"%1" bir takvimin URL'si değil: https:// (ya da http://), sunucunun adını ve takvimin yolunu yazın; örneğin https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>anahtarlık %1 saniye içinde yanıt vermedi</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>Hatırlatıcılar yayımlanıyor: takvime bakılıyor...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>Hatırlatıcılar yayımlanıyor: takvim oluşturuluyor...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>Hatırlatıcılar yayımlanıyor: takvimin etkinlikleri okunuyor...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>Hatırlatıcılar yayımlanıyor: %2 değişikliğin %1 tanesi yazıldı...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>Hatırlatıcılar yayımlanıyor: anahtarlığın parolayı vermesi bekleniyor...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>Yayımlama %1 saatinde başarısız oldu: %2. Zamanix %3 saatinde yeniden deneyecek.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>Hatırlatıcılar %1 saatinde yeni bir takvimde yayımlandı: %2 eklendi.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>Hatırlatıcılar %1 saatinde yayımlandı: %2 eklendi, %3 değişti, %4 kaldırıldı, %5 değişmedi.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>Başka bir programın değiştirdiği gibi korunan etkinlikler: %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>Bu arada başka bir programın yazdığı gibi bırakılan etkinlikler: %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix hatırlatıcıları %1 adresinde yayımlayamadı: %2.

Her seferinde daha uzun aralarla kendiliğinden yeniden dener ve durum çubuğu gidişatı bildirir; Seçenekler &gt; Takvim Sunucusu... sunucunun ayarlarını değiştirir.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>%2 adresinde "%1" için kayıtlı parola yok; Seçenekler &gt; Takvim Sunucusu... içinde verin</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>yayımlama modülü %1 yüklenemedi (%2); Zamanix'i yeniden kurmak bunu düzeltir</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>Zamanix yedekleri (*.INI *.ini);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>Hatırlatıcıları Yedekle</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>Hatırlatıcılar yedeklenemedi.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>Hatırlatıcılar ve ayarlar %1 dosyasına yedeklendi (hatırlatıcılar: %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>Hatırlatıcıları Geri Yükle</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>Hatırlatıcılarınız ve ayarlarınız %1 yedeğindekilerle değiştirilsin mi?

Yedekteki hatırlatıcılar: %2. Şimdiki hatırlatıcılar: %3.

Profilin şimdiki hâli %4 dosyasında tutulur; o dosyadan geri yüklemek onu geri getirir.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>Hatırlatıcılar %1 dosyasından geri yüklendi (şimdiki hatırlatıcılar: %2); profilin önceki hâli %3 dosyasında tutuluyor</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>Hatırlatıcılar geri yüklenemedi; oldukları gibi duruyorlar.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>Hatırlatıcıları Dışa Aktar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>iCalendar dosyaları (*.ics);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>Hatırlatıcılar dışa aktarılamadı.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>Önümüzdeki %1 yılda hiçbir hatırlatıcının zamanı gelmiyor; %2 hiç etkinlik içermiyor</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>Önümüzdeki %1 yılın 1 etkinliği %2 dosyasına yazıldı</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>Önümüzdeki %2 yılın %1 etkinliği %3 dosyasına yazıldı</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>astronomik Hicri takvim hesaplanan yeni ayları izler; hiçbir RSCALE takvimi bunu tanımlamaz</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>Hicri takvim kaydırılmış (%1); hiçbir RSCALE takvimi bunu tanımlamaz</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>Hicri takvimde kayıtlı bir ay başı var (%1, %2 tarihinde); hiçbir RSCALE takvimi bunu tanımlamaz</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ya da %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; %1 mi demek istediniz?</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation>; Hicri aylar şunlardır: %1; Miladi aylar January ile December arasıdır</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>anahtarda ay ile gün arasında "/" yok</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>"%1" ne Hicri ne de Miladi bir ay</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>anahtarda "/" işaretinden sonra gün yok</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>"%1" bir gün değil: 1 ile 31 ya da 01 ile 09 arasında yazın</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 hiçbir zaman %2 günden uzun olmaz</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>not boş ve boş bir not hiç çalmaz</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>alarm saati %1 hiçbir zaman gelmez</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%4 takvimine göre önümüzdeki %3 yıl içinde %1 ayının %2. günü yok</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">%1 gün sonra, %2 / %3: %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>Yarın, %1 / %2: %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 ne bir hafta günü ne de bir ay ve gün: Friday, Hijri/13, Ramadhan/27 ya da Ramadhan/27/1448 yazın</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 ne Hicri ne de Miladi bir ay</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 bir gün değil: 1 ile 31 ya da 01 ile 09 arası yazın</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>bir Hicri ay hiçbir zaman 30 günden uzun olmaz</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 bir yıl değil: 1448 gibi, 1'den önceki bir yıl için -5 gibi yazın</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>%1 yılı desteklenen yılların (-4000 ile 3000) dışında</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 yalnızca %3 gündür</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>%1 Ekim 1582 hiç olmadı: Gregoryen takvim 4 Ekim'den 15 Ekim 1582'ye geçti</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%4 takvimine göre %1 %2 yalnızca %3 gün</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1, Zamanix'in desteklediği günlerin (1 Ocak -4000 ile 31 Aralık 3000) dışında</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>Sonraki: %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>Sonraki: %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2: bu gün geçti, bu yüzden çalmayacak</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>Zamanı hiç gelmez: %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>Bir not yazın: boş bir not hiç çalmaz.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>Bu hatırlatıcı tutulamaz: %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>Zamanix'in desteklediği son gün olan 31 Aralık 3000'den önce hiçbir güne düşmüyor</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>yalnızca artık yıllarda</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>yalnızca %1 ayının 30 gün sürdüğü yıllarda</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>29 gün süren aylarda ayın 29'unda</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>%1 günden kısa aylarda ayın son günü</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1, %2 / %3: %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>%n gün sonra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>anahtarlıkta %2 için "%1" parolası yok; --password-file DOSYA ile verin (- standart girdiyi okur)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>%2 için "%1" parolasını vermek üzere hiçbir anahtarlık yanıt vermedi (%3); --password-file DOSYA ile verin (- standart girdiyi okur)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>parola standart girdiden okunamıyor: %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>parola %1 dosyasından okunamıyor: %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>hiçbir takvim sunucusu ayarlanmamış: --url URL (ve --user AD) verin ya da bunları profilde [CalendarServer] altında URL= ve User= olarak saklayın</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>%1 adresine yayımlanamıyor: %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>%1 adresine yayımlandı: %2</translation>
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
        <translation type="vanished">Kullanım:
  zamanix-reminders [SEÇENEKLER] list [--format text|tsv]
  zamanix-reminders [SEÇENEKLER] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [SEÇENEKLER] add ANAHTAR NOT [--alarm SS:DD]
                    [--every DAKİKA]
  zamanix-reminders [SEÇENEKLER] remove ANAHTAR
  zamanix-reminders [SEÇENEKLER] export [--years N] [--from TARİH] [-o DOSYA]
  zamanix-reminders [SEÇENEKLER] export --rscale [--from TARİH] [-o DOSYA]
  zamanix-reminders [SEÇENEKLER] publish [--url URL] [--user AD]
                    [--password-file DOSYA] [--years N]
burada SEÇENEKLER [--profile DOSYA] [--calendar astronomical|umalqura|civil]
[--adjust N] demektir.

Zamanix masaüstü programının tuttuğu hatırlatıcıları listeler, ekler ve
kaldırır; onları diğer takvim programları için bir iCalendar dosyası olarak
dışa aktarır ve telefonların ve diğer takvim programlarının gösterdiği bir
CalDAV takvimine yayımlar.

ANAHTAR, iki takvimden birinin ay adı, "/" ve bir gündür; form onu böyle
oluşturur: Ramadhan/27, March/06, Rabi'ul Awwal/5. add ve remove, Hicri
ayların yaygın yazılışlarını da (Ramadan, Dhul Hijjah, Rabi al-Awwal,
Jumada al-Ula, ...) kabul eder ve ayı programın yazdığı gibi saklar. Bir
hatırlatıcı kendi takviminin her yılında yinelenir; 1 ile 9 arasındaki bir
günün zamanı, 5 ya da 05 diye yazılmış olsun, gelir.

Komutlar:
  list                tüm hatırlatıcılar, bir sonraki zamanlarına göre;
                      zamanı hiç gelmeyenler (April/31, yanlış yazılmış bir
                      ay) nedeniyle birlikte en sonda
  upcoming            bugünden N gün sonrasına kadar zamanı gelen
                      hatırlatıcılar (--days, varsayılan 30), her gün için
                      bir satır
  add ANAHTAR NOT     NOT'u ANAHTAR altında alarmıyla birlikte tutar: --alarm
                      SS:DD (varsayılan 08:00) ve yeniden hatırlatmaya kadar
                      --every DAKİKA, 0 ile 720 arası (varsayılan 60); var
                      olan bir hatırlatıcı alarmın verilmeyen kısmını korur;
                      formdaki Ekle'nin yazdığının tıpatıp aynısını yazar
  remove ANAHTAR      hatırlatıcıyı ve alarmını, formdaki Sil gibi unutur
  export              önümüzdeki N yıl içinde (--years, varsayılan 5,
                      --from TARİH'ten itibaren, YIL-AY-GÜN, varsayılan
                      bugün) bir hatırlatıcının zamanının geldiği her günü,
                      saat diliminizdeki alarm saatinde iCalendar etkinlikleri
                      olarak DOSYA'ya (-o; bir bağlantının hedefi, bir boru
                      ya da bir uçbirim akış olarak yazılır; profil ya da
                      dosyaları asla yazılmaz) ya da standart çıktıya yazar
                      --rscale ile: her hatırlatıcı için kendi takviminin her
                      yılında yinelenen tek bir etkinlik (RFC 7529); ICU'nun
                      Hicri takvimlerini bilen programlar için (Ümmülkura ve
                      tablolu, kaydırma ya da kayıtlı ay başı olmadan)
  publish             URL'deki CalDAV takviminin (--url, varsayılan:
                      profildeki) export --years N komutunun yazdığı
                      etkinlikleri tutmasını sağlar (--years, varsayılan:
                      profildeki, yoksa 2): yalnızca değişeni yazar ve başka bir
                      programın nesnelerine asla dokunmaz. Parola,
                      --password-file DOSYA'nın ilk satırıdır (- standart girdiyi
                      okur), yoksa anahtarlıktaki parola. Sunucu ya da ağ
                      başarısız olursa çıkış durumu 1

Seçenekler:
  --profile DOSYA     kullanılacak profil (varsayılan: masaüstü programınınki,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar KURAL    Hicri takvim: astronomical, umalqura ya da civil
                      (varsayılan: masaüstü programında seçilen)
  --adjust N          Hicri takvimi N gün kaydırır, -2 ile 2 arası
                      (varsayılan: masaüstü programında seçildiği gibi)
  --format text|tsv   hizalı sütunlar (varsayılan) ya da başlık satırlı,
                      sekmeyle ayrılmış değerler
  -h, --help          bu yardımı gösterir
  --version           sürümü gösterir
"-" ile başlayan bir NOT, "--" ardından gelir.

Hicri takvim, profilde kayıtlı ay başlarını izler (bölüm [HijriMonthStarts],
"1448/9=2027-02-07"); tutamadığı bir kayıt, standart hataya bir uyarı
yazılarak dışarıda bırakılır.

Hatalar (ayı ya da günü geçersiz bir anahtar, okunamayan ya da yazılamayan bir
profil, hatalı seçenekler, yayımlamak için parolanın olmaması) standart hataya
"zamanix-reminders: &lt;yanlış olan&gt;" biçiminde, çıkış durumu 2 ile bildirilir ve
hiçbir şey yazılmaz.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 bir saniye sayısı değil</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>%1 takvimi hesaplanamıyor: %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: uyarı: %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>%1 eklenemiyor: %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>not boş; boş bir not hiç çalmaz (bir hatırlatıcıyı silmek için remove kullanın)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>%2 içinde %1 hatırlatıcısı yok</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years, export --rscale için geçerli değil: etkinlikleri sonsuza dek yinelenir</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>yinelenen etkinlikler dışa aktarılamıyor: %1; --rscale olmadan export bunun yerine bir hatırlatıcının zamanının geldiği her günü listeler</translation>
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
Daha fazla bilgi için '%3 --help' yazın.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>çıktı yazılamadı</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile bir dosya adı gerektirir</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>bilinmeyen takvim %1; astronomical, umalqura ya da civil kullanın</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>%1 düzeltmesi -2 ile 2 arasında tam sayıda gün değil</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>bilinmeyen biçim %1; text ya da tsv kullanın</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days 0 ile 36525 arasında bir gün sayısı alır, %1 değil</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm 00:00 ile 23:59 arasında bir saat alır, %1 değil</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every 0 ile %1 arasında bir dakika sayısı alır, %2 değil</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years 1 ile 100 arasında bir yıl sayısı alır, %1 değil</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file bir dosya adı ya da standart girdi için - ister</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>bilinmeyen komut %1; list, upcoming, add, remove, export ya da publish kullanın</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>komut verilmedi; list, upcoming, add, remove, export ya da publish kullanın</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 argüman almaz</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 bir ANAHTAR alır</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 bir ANAHTAR ve bir NOT alır</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>%1 seçeneği bu komutla kullanılamaz</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>%1 seçeneği değer almaz</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>%1 seçeneği bir değer gerektirir</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 %2 tarihindeydi, o gün geçti: hatırlatıcı tutuldu ama çalmayacak</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1: %2; hatırlatıcı tutuldu, yalnızca o ay 30. gününü bulursa çalar</translation>
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
        <translation>Kullanım:
  zamanix-reminders [SEÇENEKLER] list [--format text|tsv]
  zamanix-reminders [SEÇENEKLER] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [SEÇENEKLER] add ANAHTAR NOT [--alarm SS:DD]
                    [--every DAKİKA]
                    [--notice GÜN]
  zamanix-reminders [SEÇENEKLER] remove ANAHTAR
  zamanix-reminders [SEÇENEKLER] export [--years N] [--from TARİH] [-o DOSYA]
  zamanix-reminders [SEÇENEKLER] export --rscale [--from TARİH] [-o DOSYA]
  zamanix-reminders [SEÇENEKLER] publish [--url URL] [--user AD]
                    [--password-file DOSYA] [--years N]
burada SEÇENEKLER [--profile DOSYA] [--calendar astronomical|umalqura|civil]
[--adjust N] demektir.

Zamanix masaüstü programının tuttuğu hatırlatıcıları listeler, ekler ve
kaldırır; onları diğer takvim programları için bir iCalendar dosyası olarak
dışa aktarır ve telefonların ve diğer takvim programlarının gösterdiği bir
CalDAV takvimine yayımlar.

ANAHTAR bir hatırlatıcının zamanının ne zaman geldiğini söyler:
  Ramadhan/27, March/06      her yıl, iki takvimden birinin bir ay ve gününde,
                             formun kurduğu gibi
  Ramadhan/27/1448,          bir kez, iki takvimden birinin bir tarihinde
  March/06/2027
  Hijri/13, Christian/01     o takvimin her ayı, bir günde; o günü olmayan ay
                             son gününde
  Friday                     her hafta, o hafta gününde (İngilizce)
add ve remove Hicri ayların yaygın yazılışlarını da alır (Ramadan, Dhul
Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) ve ayı programın yazdığı gibi tutar.
1 ile 9 arasındaki bir gün 5 ya da 05 yazılsa da zamanı gelir.

Komutlar:
  list                tüm hatırlatıcılar ve türleri, bir sonraki zamanlarına
                      göre; ardından günü geçmiş tek seferlik olanlar;
                      zamanı hiç gelmeyenler (April/31, yanlış yazılmış bir
                      ay) en sonda, nedeniyle
  upcoming            bugünden N gün sonrasına kadar zamanı gelen
                      hatırlatıcılar (--days, varsayılan 30), her gün için
                      bir satır
  add ANAHTAR NOT     NOT'u ANAHTAR altında alarmıyla birlikte tutar: --alarm
                      SS:DD (varsayılan 08:00) ve yeniden hatırlatmaya dek
                      --every DAKİKA, 0 ile 720 arası (varsayılan 60), ve
                      zamanı gelen her günden o kadar gün önce de hatırlatmak
                      için --notice GÜN, 0 ile 30 arası (0: önceden uyarı
                      yok); var olan bir hatırlatıcı verilmeyeni korur; yıllık
                      bir ANAHTAR için formdaki Ekle'nin yazdığını aynen yazar
  remove ANAHTAR      hatırlatıcıyı, alarmını ve önceden uyarısını, formdaki
                      Sil gibi unutur
  export              önümüzdeki N yıl içinde (--years, varsayılan 5,
                      --from TARİH'ten itibaren, YIL-AY-GÜN, varsayılan
                      bugün) bir hatırlatıcının zamanının geldiği her günü,
                      saat diliminizdeki alarm saatinde iCalendar etkinlikleri
                      olarak DOSYA'ya (-o; bir bağlantının hedefi, bir boru
                      ya da bir uçbirim akış olarak yazılır; profil ya da
                      dosyaları asla yazılmaz) ya da standart çıktıya yazar
                      --rscale ile: her hatırlatıcı için kendi takviminin her
                      yılında yinelenen tek bir etkinlik (RFC 7529); ICU'nun
                      Hicri takvimlerini bilen programlar için (Ümmülkura ve
                      tablolu, kaydırma ya da kayıtlı ay başı olmadan)
  publish             URL'deki CalDAV takviminin (--url, varsayılan:
                      profildeki) export --years N komutunun yazdığı
                      etkinlikleri tutmasını sağlar (--years, varsayılan:
                      profildeki, yoksa 2): yalnızca değişeni yazar ve başka bir
                      programın nesnelerine asla dokunmaz. Parola,
                      --password-file DOSYA'nın ilk satırıdır (- standart girdiyi
                      okur), yoksa anahtarlıktaki parola. Sunucu ya da ağ
                      başarısız olursa çıkış durumu 1

Seçenekler:
  --profile DOSYA     kullanılacak profil (varsayılan: masaüstü programınınki,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar KURAL    Hicri takvim: astronomical, umalqura ya da civil
                      (varsayılan: masaüstü programında seçilen)
  --adjust N          Hicri takvimi N gün kaydırır, -2 ile 2 arası
                      (varsayılan: masaüstü programında seçildiği gibi)
  --format text|tsv   hizalı sütunlar (varsayılan) ya da başlık satırlı,
                      sekmeyle ayrılmış değerler
  -h, --help          bu yardımı gösterir
  --version           sürümü gösterir
"-" ile başlayan bir NOT, "--" ardından gelir.

Hicri takvim, profilde kayıtlı ay başlarını izler (bölüm [HijriMonthStarts],
"1448/9=2027-02-07"); tutamadığı bir kayıt, standart hataya bir uyarı
yazılarak dışarıda bırakılır.

Hatalar (ayı, günü, yılı ya da hafta günü geçersiz bir anahtar, desteklenen
yılların dışında bir tarih, okunamayan ya da yazılamayan bir profil, hatalı
seçenekler, yayımlamak için parolanın olmaması) standart hataya
"zamanix-reminders: &lt;yanlış olan&gt;" biçiminde, çıkış durumu 2 ile bildirilir ve
hiçbir şey yazılmaz.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice 0 ile %1 arasında bir gün sayısı alır, %2 değil</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: %2 adresindeki oturum veri yolu %3 saniye içinde yanıt vermiyor; onsuz, bağımsız bir kopya olarak ve masaüstü bildirimleri olmadan devam ediliyor</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Ana pencere</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+altı çizili harf</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>bir menüyü açar ya da formun bir düğmesine basar</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>Görüntüle: seçilen tarihi diğer takvimde notuyla gösterir</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>Ekle, Görüntüle, Sil</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>panodaki metni nota tek satır olarak koyar</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>Yeni, Aç, Kaydet</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>formu yazdırır</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>Tüm Hatırlatıcılar'ı açar</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>ay panelini gösterir ya da gizler</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>form ile ay paneli arasında geçer</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>kılavuzu açar</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>Ay paneli</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Ok tuşları</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>önceki ya da sonraki gün, ya da bir hafta ötedeki aynı gün</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>önceki ya da sonraki ay</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>önceki ya da sonraki yıl</translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>günü formda gösterir</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>Tüm Hatırlatıcılar</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>süzgeçten listeye</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>hatırlatıcıyı formda açar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Sil</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>sorduktan sonra hatırlatıcıyı siler</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>pencereyi kapatır</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Kaçırılan Hatırlatıcılar</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>Hatırlatma sorusu</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>aradan sonra yeniden hatırlatır</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>bugün başka hatırlatma yok</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>şimdi değil: aradan sonra yeniden hatırlatır</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>Zamanix hatırlatıcısı</translation>
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
Zamani Belgesi</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>Notu belirtilen tarihte hatırlatıcılara ekler</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>Hatırlatıcıyı listeden siler.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>Alarmda Reminder.wav ses dosyasını çalar</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>Hicri ayları yeni aylardan hesaplar (varsayılan)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>Suudi Arabistan'ın Ümmülkura takvimini izler</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>Tablolu (sivil) İslami takvimi izler</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>Her Hicri ayı iki gün sonra başlatır</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>Her Hicri ayı bir gün sonra başlatır</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>Hicri ayları takvimin verdiği gibi bırakır</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>Her Hicri ayı bir gün önce başlatır</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>Her Hicri ayı iki gün önce başlatır</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>Tüm hatırlatıcıları bir sonraki zamanlarına göre listeler
Tüm Hatırlatıcılar</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>Önümüzdeki beş yılın hatırlatıcılarını diğer takvim programları için bir iCalendar dosyasına kaydeder
Hatırlatıcıları Dışa Aktar</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>Masaüstünde her oturum açtığınızda Zamanix'i simge durumunda başlatır
Oturum Açılışında Başlat</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>Ay panelinde gösterilen ayı tek sayfaya yazdırır
Ayı Yazdır</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>Formun yanındaki ay görünümünü gösterir ya da gizler
Ay</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>Ay panelinde İslami dini günleri işaretler
Dini Günler</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Yeni bir belge oluşturur
Yeni</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Var olan bir belgeyi açar
Aç</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Etkin belgeyi kapatır
Kapat</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Etkin belgeyi kaydeder
Kaydet</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Etkin belgeyi yeni bir adla kaydeder
Farklı Kaydet</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Yazdırma seçeneklerini değiştirir
Sayfa Yapısı</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Yazıcıyı ve yazdırma seçeneklerini değiştirir
Yazıcı Ayarları</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Etkin belgeyi yazdırır
Yazdır</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Tam sayfaları görüntüler
Baskı Önizleme</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Bu belgeyi açar</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>Seçimi siler
Sil</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>Her şeyi siler
Tümünü Sil</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Seçimi kopyalayıp panoya koyar
Kopyala</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Seçimi kesip panoya koyar
Kes</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>Belirtilen metni bulur
Bul</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Panonun içeriğini ekler
Yapıştır</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>Son eylemi tekrarlar
Tekrarla</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>Belirli bir metni başka bir metinle değiştirir
Değiştir</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Belgenin tamamını seçer
Tümünü Seç</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Son eylemi geri alır
Geri Al</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Geri alınan eylemi yeniden yapar
Yinele</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Etkin pencereyi bölmelere ayırır
Böl</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Program bilgilerini, sürüm numarasını ve telif hakkını gösterir
Hakkında</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Uygulamadan çıkar; belgelerin kaydedilmesini sorar
Çıkış</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Sonraki pencere bölmesine geçer
Sonraki Bölme</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Önceki pencere bölmesine döner
Önceki Bölme</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Araç çubuğunu gösterir ya da gizler
Araç Çubuğunu Aç/Kapat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Durum çubuğunu gösterir ya da gizler
Durum Çubuğunu Aç/Kapat</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Baskı önizlemesini kapatır
Önizlemeyi Kapat</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>GNŞ</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>BÜY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>SAY</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>KAY</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>ÜZY</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>KYT</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>Pencerenin boyutunu değiştirir</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>Pencerenin konumunu değiştirir</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>Pencereyi simge durumuna küçültür</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>Pencereyi tam boyuta büyütür</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>Sonraki belge penceresine geçer</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>Önceki belge penceresine geçer</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>Etkin pencereyi kapatır ve belgelerin kaydedilmesini sorar</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>Pencereyi normal boyutuna döndürür</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>Görev listesini etkinleştirir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tüm Dosyalar (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>adsız bir dosya</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Gizle</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>Kullanılabilir hata iletisi yok.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>Desteklenmeyen bir işlem denendi.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>Gerekli bir kaynak kullanılamadı.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Bellek yetersiz.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 üzerinde</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Tek Sayfa</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>İ&amp;ki Sayfa</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>Sayfa %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>Sayfa %u
Sayfalar %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Dosyaya Yazdır</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>%1 dosyasına</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>Geçersiz dosya adı.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Belge açılamadı.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Belge kaydedilemedi.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 belgesindeki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Boş belge oluşturulamadı.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Dosya açılamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Yazdırma işi başlatılamadı.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Yardım başlatılamadı.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>İç uygulama hatası.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>Komut başarısız oldu.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>İşlemi gerçekleştirmek için bellek yetersiz.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Sistem kayıt defteri girdileri kaldırıldı ve INI dosyası (varsa) silindi.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Sistem kayıt defteri girdilerinin (ya da INI dosyasının) tümü kaldırılamadı.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Lütfen bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Lütfen en çok %1 karakter girin.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Lütfen bir düğme seçin.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Lütfen 0 ile 255 arasında bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Lütfen pozitif bir tamsayı girin.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Lütfen bir tarih ve/veya saat girin.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>Lütfen bir para tutarı girin.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Beklenmeyen dosya biçimi.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Bu dosya bulunamıyor.
Lütfen yolun ve dosya adının doğru verildiğini denetleyin.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>Hedef disk sürücüsü dolu.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>%1 okunamıyor; başka biri tarafından açılmış.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>%1 dosyasına yazılamıyor; salt okunur ya da başka biri tarafından açılmış.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>%1 okunurken beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>%1 yazılırken beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Hata oluşmadı.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>%1 dosyasının sonunun ötesine erişilmeye çalışıldı.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 yanlış bir şema içeriyor.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>piksel</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>Tüm hatırlatıcıların ve ayarların bir kopyasını seçtiğiniz dosyaya kaydet
Hatırlatıcıları Yedekle</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>Hatırlatıcıları ve ayarları bir yedektekilerle değiştir
Hatırlatıcıları Geri Yükle</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>Zamanix pencerelerinde çalışan tuşları listele
Klavye Kısayolları</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>Zamanix kılavuzunu aç
Kılavuz</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>Hatırlatıcılarınızı telefonunuz ve diğer takvim programları için bir CalDAV sunucusundaki takvimde tut
Takvim Sunucusu</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>Hatırlatıcıları şimdi takvim sunucusunda yayımla
Şimdi Yayımla</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>Topluluğunuzun Hicri aylarının başladığı günleri listele, kaldır ve içe aktar
Hicri Ay Başlangıçları</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>Her Hicri ayın 29'unda akşam yeni ayın görülüp görülmediğini sor
Yeni Ayı Sor</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>Sayıları dilinizin rakamları yerine 0-9 rakamlarıyla yaz
Batı Rakamları</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Araç Çubuğu</translation>
    </message>
</context>
</TS>
